#include "FoundEntry.h"

#include <QFileInfo>

FoundEntry FoundEntry::of(const QFileInfo& info)
{
    FoundEntry entry;
    entry.path = info.absoluteFilePath();
    entry.size = info.size();
    const QDateTime born = info.birthTime();
    entry.created = born.isValid() ? born : info.metadataChangeTime();
    entry.modified = info.lastModified();
    entry.read = info.lastRead();
    entry.folder = info.isDir();
    return entry;
}

QString FoundEntry::fileName() const
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}
