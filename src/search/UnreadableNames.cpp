#include "UnreadableNames.h"

#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>

namespace {
QDateTime timeOf(const timespec& time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000, Qt::UTC);
}

bool isReadable(const QByteArray& name)
{
    const bool plainAscii = std::all_of(name.cbegin(), name.cend(), [](char byte) { return quint8(byte) < 0x80; });
    return plainAscii || QFile::encodeName(QFile::decodeName(name)) == name;
}
} // namespace
#endif

// Names on Windows are always Unicode, so there the toolkit lists everything itself.
QVector<FoundEntry> UnreadableNames::entries(const QString& folder)
{
    QVector<FoundEntry> found;
#ifdef Q_OS_UNIX
    const QByteArray nativeFolder = QFile::encodeName(folder);
    DIR* listing = opendir(nativeFolder.constData());
    if (!listing)
        return found;
    while (const dirent* item = readdir(listing)) {
        const QByteArray name(item->d_name);
        struct stat status;
        if (isReadable(name) || lstat((nativeFolder + '/' + name).constData(), &status) != 0)
            continue;
        const bool isFolder = S_ISDIR(status.st_mode);
        if (!isFolder && !S_ISREG(status.st_mode))
            continue;
        FoundEntry entry;
        entry.path = folder + QLatin1Char('/') + QFile::decodeName(name);
        entry.size = status.st_size;
        entry.created = timeOf(status.st_ctim);
        entry.modified = timeOf(status.st_mtim);
        entry.read = timeOf(status.st_atim);
        entry.folder = isFolder;
        entry.nameReadable = false;
        found.append(entry);
    }
    closedir(listing);
#else
    Q_UNUSED(folder)
#endif
    return found;
}
