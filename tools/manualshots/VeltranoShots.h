#pragma once

#include "WindowShooter.h"

#include <QString>

class MainWindow;

// The pictures of Veltrano's windows that the manual shows, made on one sample project in the
// language the translations are loaded for.
class VeltranoShots
{
public:
    VeltranoShots(const QString& pictureFolder, const QString& projectsRoot, const QString& resultsFile);

    // False when a picture could not be made; the reason is on the error stream.
    bool shootAll();

private:
    QString makeSampleProject() const;
    void showProject(MainWindow& window, const QString& project);
    void shootReport(MainWindow& window, const QString& project);
    void shootDialogs(MainWindow& window);
    void shootCurves(MainWindow& window, const QString& project);
    void shootDiagram(MainWindow& window, const QString& project);
    void shootSearch(MainWindow& window);
    void showMaximized(MainWindow& window);

    WindowShooter shooter;
    QString projectsRoot;
    QString resultsFile;
};
