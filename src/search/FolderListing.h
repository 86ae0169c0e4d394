#pragma once

#include "FoundEntry.h"

#include <QFileInfo>
#include <QVector>

// The files and folders directly in one folder, read from the system in one pass and ordered by
// name without regard to case, as the project tree shows them. Names that are not valid UTF-8,
// as a Windows program or an old archive may leave them, are kept apart: the toolkit can neither
// open nor enter such an entry, but a search can still show it and say why. Symbolic links,
// devices and the like are left out.
class FolderListing
{
public:
    struct Item
    {
        QString name;
        QFileInfo info;
    };

    explicit FolderListing(const QString& folder);

    const QVector<Item>& files() const;
    const QVector<Item>& folders() const;
    // In the order the system lists them, with replacement characters in their names.
    const QVector<FoundEntry>& unreadableFiles() const;
    const QVector<FoundEntry>& unreadableFolders() const;

private:
    void read(const QString& folder);
    void add(const QString& folder, const QString& name, bool isFolder);

    QVector<Item> readableFiles;
    QVector<Item> readableFolders;
    QVector<FoundEntry> otherFiles;
    QVector<FoundEntry> otherFolders;
};
