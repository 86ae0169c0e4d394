#include "ReportPaths.h"

#include <QDir>
#include <QFileInfo>

bool ReportPaths::mayRead(const QString& path, const QString& documentFolder, qint64 maximumBytes, QString& cause)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    const bool resource = path.startsWith(QLatin1Char(':'));
    if (!resource && !isInside(info.canonicalFilePath(), documentFolder)) {
        cause = tr("%1 lies neither in the program's resources nor in the document's folder.").arg(path);
        return false;
    }
    if (!info.isFile()) {
        cause = tr("%1 is not a regular file.").arg(path);
        return false;
    }
    if (info.size() > maximumBytes) {
        cause = tr("%1 is larger than %2 MB.").arg(path).arg(maximumBytes / (1024 * 1024));
        return false;
    }
    return true;
}

bool ReportPaths::isInside(const QString& canonicalPath, const QString& folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() && !canonicalPath.isEmpty()
        && canonicalPath.startsWith(QDir(canonicalFolder).absolutePath() + QLatin1Char('/'));
}
