#pragma once

#include "AbstractDocument.h"

class QAbstractItemModel;
class QModelIndex;
class QTableView;
class QTimer;
namespace Ks {
class XmlSearchHandler;
}

// The window that shows what the find-in-files panel found; activating a row opens the file.
// There is one per main window: it always has the same path, so every search reuses it.
class SearchResultsDocument : public AbstractDocument
{
    Q_OBJECT

public:
    explicit SearchResultsDocument(const QString& filePath, QWidget* parent = nullptr);

    QTableView* view() const;
    // Attaching the model a second time changes nothing.
    void setModel(QAbstractItemModel* model);

    // Whether the text of an inspection report, array test report or verification certificate
    // holds the wildcard pattern within one run of text. Other, unreadable or damaged files
    // never do.
    static bool reportContains(const QString& pattern, Qt::CaseSensitivity sensitivity, const QString& path);
    // The same with a handler made once for the many reports of one search.
    static bool reportContains(Ks::XmlSearchHandler& handler, const QString& path);

signals:
    void openDocument(const QString& filePath);

public slots:
    void rowsInserted(const QModelIndex& parent, int start, int end);
    void resizeColumns();
    void activated(const QModelIndex& index);

private:
    QTableView* table;
    // Fitting the columns looks at many rows; while rows stream in it is done a few times a
    // second instead of once per row.
    QTimer* pendingResize;
};
