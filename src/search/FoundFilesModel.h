#pragma once

#include "FoundEntry.h"

#include <QAbstractTableModel>
#include <QFileInfo>
#include <QVector>

// The entries a search found, in the order found. After a search without any, it shows a single
// row saying so, so the results window never looks as if it were still waiting.
class FoundFilesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn = 0, SizeColumn = 1, ModifiedColumn = 2 };
    // False for an entry whose name is not valid UTF-8: the path of the user role cannot open it.
    enum { ReadableNameRole = Qt::UserRole + 1 };

    explicit FoundFilesModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Names are shown relative to `root`.
    void startSearch(const QString& root);
    void append(const QFileInfo& entry);
    void append(const FoundEntry& entry);
    void finishSearch();

    bool isSearching() const;
    bool hasNoResults() const;
    int foundCount() const;

    // Whole kilobytes, rounded up, with the locale's digit grouping.
    static QString sizeText(qint64 bytes);
    // Why an entry with an unreadable name cannot be opened, and what to do.
    static QString unreadableNameAdvice();

signals:
    void searchStarted();
    void searchFinished();

private:
    QVariant entryData(const FoundEntry& entry, int column, int role) const;
    QString relativeName(const FoundEntry& entry) const;

    QVector<FoundEntry> found;
    QString rootPrefix;
    bool searching = false;
    bool noResults = false;
};
