#pragma once

#include <QObject>
#include <QString>

// Owns the projects root folder (where every project folder lives) and the program's own data
// folder (favourites, saved searches). Messages go to the main window.
class Folders : public QObject
{
    Q_OBJECT

public:
    // With `reset` the existing object is replaced, as a restart of the main window needs.
    static Folders& instance(bool reset = false);

    // Created on first use.
    QString dataFolder();
    QString defaultProjectsFolder();
    // The projects root as resolved or set last; empty before. Never asks the user.
    QString rootDir() const;
    // Takes the stored folder (or the default one) when it exists; otherwise says so and lets the
    // user choose. Asks nothing once a root is set. False while there is still none.
    bool resolveRootDir();
    // Returns false, changing nothing, when the folder does not exist and is not to be created.
    bool setRootDir(const QString& path);
    void selectRootDir();

signals:
    void projectsFolderChanged(const QString& newFolder);

private:
    Folders() = default;

    QString cachedDataFolder;
    QString cachedDefaultProjectsFolder;
    QString root;
};
