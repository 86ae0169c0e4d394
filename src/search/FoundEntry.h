#pragma once

#include <QDateTime>
#include <QString>

class QFileInfo;

// What a search knows of one file or folder. Most come from the toolkit's listing; a name that
// is not valid UTF-8 the toolkit can neither list nor open, so such an entry is read from the
// system directly and keeps a name with replacement characters, good for showing only.
struct FoundEntry
{
    QString path;
    qint64 size = 0;
    // In universal time as the file system keeps them: turning every entry's dates into local
    // time as it is listed made a walk several times slower; the few shown or compared are.
    // Where the file system records no birth time, the last status change stands in for it.
    QDateTime created;
    QDateTime modified;
    QDateTime read;
    bool folder = false;
    bool nameReadable = true;

    static FoundEntry of(const QFileInfo& info);
    QString fileName() const;
};
