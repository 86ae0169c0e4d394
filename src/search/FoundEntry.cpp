#include "FoundEntry.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
QDateTime universalTime(const statx_timestamp& time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000, Qt::UTC);
}
} // namespace

FoundEntry FoundEntry::of(const QFileInfo& info)
{
    FoundEntry entry;
    entry.path = info.absoluteFilePath();
    struct statx status {};
    if (statx(AT_FDCWD, QFile::encodeName(entry.path).constData(), 0, STATX_BASIC_STATS | STATX_BTIME, &status) == 0) {
        entry.size = qint64(status.stx_size);
        entry.folder = S_ISDIR(status.stx_mode);
        entry.created = universalTime((status.stx_mask & STATX_BTIME) ? status.stx_btime : status.stx_ctime);
        entry.modified = universalTime(status.stx_mtime);
        entry.read = universalTime(status.stx_atime);
    }
    return entry;
}

QString FoundEntry::fileName() const
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}
