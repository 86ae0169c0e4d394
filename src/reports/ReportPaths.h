#pragma once

#include <QCoreApplication>

// Files a report names (its template, the drawings of a template) are read only from the
// program's resources or from the document's own folder, and only when they are regular files
// of a sensible size: a report from elsewhere must not make the program read a device, wait on
// a pipe or wander through the disk.
class ReportPaths
{
    Q_DECLARE_TR_FUNCTIONS(ReportPaths)

public:
    // True when `path` may be read. A path that names nothing is allowed: nothing is read, and the
    // reader reports the missing file as before. Otherwise `cause` says why not.
    static bool mayRead(const QString& path, const QString& documentFolder, qint64 maximumBytes, QString& cause);

private:
    static bool isInside(const QString& canonicalPath, const QString& folder);
};
