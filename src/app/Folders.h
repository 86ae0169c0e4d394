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
    // Resolved on first use; asks the user when the stored folder is gone. Empty if none was set.
    QString rootDir();
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
