#include "FolderListing.h"

#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {
void sortByName(QVector<FolderListing::Item>& items)
{
    std::sort(items.begin(), items.end(), [](const FolderListing::Item& left, const FolderListing::Item& right) {
        const int order = left.name.compare(right.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : left.name < right.name;
    });
}

#ifdef Q_OS_UNIX
QDateTime timeOf(const timespec& time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000, Qt::UTC);
}

bool isPlainAscii(const QByteArray& name)
{
    return std::all_of(name.cbegin(), name.cend(), [](char byte) { return quint8(byte) < 0x80; });
}

bool isDotOrDotDot(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

FoundEntry unreadableEntry(const QString& path, const struct stat& status)
{
    FoundEntry entry;
    entry.path = path;
    entry.size = status.st_size;
    entry.created = timeOf(status.st_ctim);
    entry.modified = timeOf(status.st_mtim);
    entry.read = timeOf(status.st_atim);
    entry.folder = S_ISDIR(status.st_mode);
    entry.nameReadable = false;
    return entry;
}
#endif
} // namespace

FolderListing::FolderListing(const QString& folder)
{
    read(folder);
    sortByName(readableFiles);
    sortByName(readableFolders);
}

const QVector<FolderListing::Item>& FolderListing::files() const
{
    return readableFiles;
}

const QVector<FolderListing::Item>& FolderListing::folders() const
{
    return readableFolders;
}

const QVector<FoundEntry>& FolderListing::unreadableFiles() const
{
    return otherFiles;
}

const QVector<FoundEntry>& FolderListing::unreadableFolders() const
{
    return otherFolders;
}

void FolderListing::add(const QString& folder, const QString& name, bool isFolder)
{
    Item item{name, QFileInfo(folder + QLatin1Char('/') + name)};
    (isFolder ? readableFolders : readableFiles).append(item);
}

#ifdef Q_OS_UNIX
// The toolkit's own listing passes over names that are not valid UTF-8 without a word, so the
// system is asked directly; the kind of most entries comes with their name, and only the few it
// does not give, and the unreadable ones whose dates are shown, cost a status call.
void FolderListing::read(const QString& folder)
{
    const QByteArray nativeFolder = QFile::encodeName(folder);
    DIR* listing = opendir(nativeFolder.constData());
    if (!listing)
        return;
    while (const dirent* item = readdir(listing)) {
        if (isDotOrDotDot(item->d_name))
            continue;
        const QByteArray name(item->d_name);
        const QString text = QFile::decodeName(name);
        const bool readable = isPlainAscii(name) || QFile::encodeName(text) == name;
        if (readable && (item->d_type == DT_REG || item->d_type == DT_DIR)) {
            add(folder, text, item->d_type == DT_DIR);
            continue;
        }
        struct stat status;
        if (lstat((nativeFolder + '/' + name).constData(), &status) != 0
            || !(S_ISREG(status.st_mode) || S_ISDIR(status.st_mode)))
            continue;
        if (readable)
            add(folder, text, S_ISDIR(status.st_mode));
        else
            (S_ISDIR(status.st_mode) ? otherFolders : otherFiles)
                .append(unreadableEntry(folder + QLatin1Char('/') + text, status));
    }
    closedir(listing);
}
#else
// Names on Windows are always Unicode, so there the toolkit lists everything itself. Symbolic
// links are left out: a link to a parent folder would make a walk endless.
void FolderListing::read(const QString& folder)
{
    QDirIterator entries(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden);
    while (entries.hasNext()) {
        entries.next();
        add(folder, entries.fileName(), entries.fileInfo().isDir());
    }
}
#endif
