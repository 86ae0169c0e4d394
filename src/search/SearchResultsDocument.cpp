#include "SearchResultsDocument.h"

#include "FoundFilesModel.h"
#include "Prompts.h"
#include "ReportPhraseScan.h"
#include "RightAlignedDelegate.h"
#include "XmlSearchHandler.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int rowHeight = 18;
constexpr int resizeIntervalMs = 250;
} // namespace

SearchResultsDocument::SearchResultsDocument(const QString& filePath, QWidget* parent)
    : AbstractDocument(filePath, parent)
    , table(new QTableView(this))
    , pendingResize(new QTimer(this))
{
    setTitle(tr("Search Results", "Window Title"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    table->setShowGrid(false);
    table->setItemDelegateForColumn(1, new RightAlignedDelegate(table));
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    connect(table, &QAbstractItemView::activated, this, &SearchResultsDocument::activated);

    pendingResize->setSingleShot(true);
    pendingResize->setInterval(resizeIntervalMs);
    connect(pendingResize, &QTimer::timeout, this, &SearchResultsDocument::resizeColumns);
}

QTableView* SearchResultsDocument::view() const
{
    return table;
}

void SearchResultsDocument::setModel(QAbstractItemModel* model)
{
    if (table->model() == model)
        return;
    if (table->model())
        disconnect(table->model(), nullptr, this, nullptr);
    table->setModel(model);
    if (model)
        connect(model, &QAbstractItemModel::rowsInserted, this, &SearchResultsDocument::rowsInserted);
    resizeColumns();
}

void SearchResultsDocument::rowsInserted(const QModelIndex&, int, int)
{
    if (!pendingResize->isActive())
        pendingResize->start();
}

void SearchResultsDocument::resizeColumns()
{
    pendingResize->stop();
    table->resizeColumnsToContents();
}

void SearchResultsDocument::activated(const QModelIndex& index)
{
    // The "no results" row leads nowhere.
    const QString path = index.data(Qt::UserRole).toString();
    if (path.isEmpty())
        return;
    if (!index.data(FoundFilesModel::ReadableNameRole).toBool()) {
        Prompts::instance().show(this, QMessageBox::Warning,
                                 tr("%1 cannot be opened.", "Error Message").arg(QDir::toNativeSeparators(path)),
                                 FoundFilesModel::unreadableNameAdvice());
        return;
    }
    emit openDocument(path);
}

bool SearchResultsDocument::reportContains(const QString& pattern, Qt::CaseSensitivity sensitivity,
                                           const QString& path)
{
    Ks::XmlSearchHandler handler(pattern, sensitivity);
    return reportContains(handler, path);
}

bool SearchResultsDocument::reportContains(Ks::XmlSearchHandler& handler, const QString& path)
{
    if (!ReportPhraseScan::isSearchable(path))
        return false;
    ReportPhraseScan scan(handler, path);
    while (scan.step()) {
    }
    return scan.found();
}
