#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh projects root, with the settings and the folders object pointing at it.
class ProjectsRootFolder
{
public:
    ProjectsRootFolder();

    QString root() const;
    QString path(const QString& relative) const;
    // Writes `contents` to the path below the root, making folders as needed.
    QString writeFile(const QString& relative, const QByteArray& contents = "x") const;

private:
    QTemporaryDir dir;
};
