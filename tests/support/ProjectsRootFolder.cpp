#include "ProjectsRootFolder.h"

#include "Folders.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

ProjectsRootFolder::ProjectsRootFolder()
{
    QSettings().setValue(SettingsKeys::rootDir, dir.path());
    Folders::instance(true).resolveRootDir();
}

QString ProjectsRootFolder::root() const
{
    return dir.path();
}

QString ProjectsRootFolder::path(const QString& relative) const
{
    return dir.filePath(relative);
}

QString ProjectsRootFolder::writeFile(const QString& relative, const QByteArray& contents) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(contents);
    return file;
}
