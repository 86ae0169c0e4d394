#include "FoundFilesModel.h"

#include "PathIcon.h"

#include <QDateTime>
#include <QDir>

FoundFilesModel::FoundFilesModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int FoundFilesModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return !searching && noResults ? 1 : found.size();
}

int FoundFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant FoundFilesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (found.isEmpty()) {
        if (index.column() == NameColumn && role == Qt::DisplayRole)
            return tr("Search is complete. There are no results to display.", "Search result");
        return QVariant();
    }
    return entryData(found.at(index.row()), index.column(), role);
}

QVariant FoundFilesModel::entryData(const FoundEntry& entry, int column, int role) const
{
    if (role == Qt::UserRole)
        return entry.path;
    if (role == ReadableNameRole)
        return entry.nameReadable;
    if (role == Qt::DecorationRole && column == NameColumn)
        return PathIcon::forPath(entry.path);
    if (role == Qt::ToolTipRole && column == NameColumn && !entry.nameReadable)
        return unreadableNameAdvice();
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case NameColumn:
        return relativeName(entry);
    case SizeColumn:
        return entry.folder ? QString() : sizeText(entry.size);
    case ModifiedColumn:
        return entry.modified.toLocalTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    }
    return QVariant();
}

QString FoundFilesModel::unreadableNameAdvice()
{
    return tr("Its name is not valid UTF-8 text, so it cannot be opened or searched for a phrase from here. "
              "Rename it in the file manager, then search again.",
              "Tool tip hint");
}

QString FoundFilesModel::relativeName(const FoundEntry& entry) const
{
    QString path = entry.path;
    if (!rootPrefix.isEmpty() && path.startsWith(rootPrefix))
        path.remove(0, rootPrefix.size());
    return QDir::toNativeSeparators(path);
}

QVariant FoundFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name", "Column header");
    case SizeColumn:
        return tr("Size", "Column header");
    case ModifiedColumn:
        return tr("Last Modified", "Column header");
    }
    return QVariant();
}

QString FoundFilesModel::sizeText(qint64 bytes)
{
    const qint64 kilobytes = (bytes + 1023) / 1024;
    return tr("%L1 KB", "File size").arg(kilobytes);
}

void FoundFilesModel::startSearch(const QString& root)
{
    beginResetModel();
    rootPrefix = root.isEmpty() || root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    searching = true;
    noResults = false;
    found.clear();
    endResetModel();
    emit searchStarted();
}

void FoundFilesModel::append(const QFileInfo& entry)
{
    append(FoundEntry::of(entry));
}

void FoundFilesModel::append(const FoundEntry& entry)
{
    const int row = found.size();
    beginInsertRows(QModelIndex(), row, row);
    found.append(entry);
    endInsertRows();
}

void FoundFilesModel::finishSearch()
{
    // Only the message row changes the shape of the table; found rows are already shown.
    const bool nothingFound = found.isEmpty();
    if (nothingFound)
        beginResetModel();
    searching = false;
    noResults = nothingFound;
    if (nothingFound)
        endResetModel();
    emit searchFinished();
}

bool FoundFilesModel::isSearching() const
{
    return searching;
}

bool FoundFilesModel::hasNoResults() const
{
    return noResults;
}

int FoundFilesModel::foundCount() const
{
    return found.size();
}
