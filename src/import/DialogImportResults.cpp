#include "DialogImportResults.h"

#include "CsvResultsModel.h"
#include "CsvResultsTestTypeDelegate.h"
#include "Prompts.h"
#include "ResultsCsv.h"
#include "WaitCursor.h"

#include <QCommandLinkButton>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

DialogImportResults::DialogImportResults(QWidget* parent)
    : QDialog(parent)
    , resultsModel(new CsvResultsModel(this))
    , testTypeDelegate(new CsvResultsTestTypeDelegate(this))
    , table(new QTableView(this))
{
    setWindowTitle(tr("Import Results"));
    setModal(false);
    resize(424, 352);

    auto* explanation = new QLabel(tr("The following data is available for import. Ensure a Array Test Report "
                                      "is open and active and click a row in the table below to import the data."),
                                   this);
    explanation->setWordWrap(true);

    table->setModel(resultsModel);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContentsOnFirstShow);

    auto* legend = new QLabel(tr("Rows in red carry a fault flagged by the tester. For an insulation result, choose in "
                                 "its drop-down whether the positive or the negative pole was measured against earth.",
                                 "Legend of the results table"),
                              this);
    legend->setWordWrap(true);

    auto* importButton = new QCommandLinkButton(tr("Import row(s)"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(table);
    layout->addWidget(legend);
    layout->addWidget(importButton);

    connect(importButton, &QCommandLinkButton::clicked, this, &DialogImportResults::slotImportRows);
    connect(table, &QTableView::doubleClicked, this, &DialogImportResults::slotRowDoubleClicked);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &DialogImportResults::updateInsulationEditors);
    table->viewport()->installEventFilter(this);
}

CsvResultsModel* DialogImportResults::model() const
{
    return resultsModel;
}

// A pipe or a device would never end; only regular files are read.
bool DialogImportResults::load(const QString& fileName)
{
    QFile file(fileName);
    QWidget* messageParent = isVisible() ? this : parentWidget();
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        Prompts::instance().show(messageParent, QMessageBox::Warning,
                                 tr("Error opening %1 for reading.", "Error Message").arg(fileName));
        return false;
    }
    bool parsed = false;
    {
        const WaitCursor waiting;
        parsed = resultsModel->parse(file);
        if (parsed) {
            rowsWithEditor.clear();
            setWindowTitle(tr("Import Results - %1", "Window Title").arg(QFileInfo(fileName).fileName()));
            installTestTypeDelegate();
            updateInsulationEditors();
            table->resizeColumnsToContents();
            widenToTheColumns();
        }
    }
    return Prompts::instance().report(messageParent, QMessageBox::Warning, resultsModel->failure(fileName));
}

void DialogImportResults::widenToTheColumns()
{
    const int frame = 2 * table->frameWidth();
    const int wanted = table->verticalHeader()->sizeHint().width() + table->horizontalHeader()->length() + frame
        + table->verticalScrollBar()->sizeHint().width() + (width() - table->width());
    const QScreen* shown = screen();
    const int widest = shown ? shown->availableGeometry().width() * 9 / 10 : wanted;
    if (wanted > width())
        resize(qMin(wanted, widest), height());
}

void DialogImportResults::installTestTypeDelegate()
{
    if (delegateColumn >= 0)
        table->setItemDelegateForColumn(delegateColumn, nullptr);
    delegateColumn = resultsModel->testTypeColumn();
    if (delegateColumn >= 0)
        table->setItemDelegateForColumn(delegateColumn, testTypeDelegate);
}

// Results the tester stored as positive-earth insulation often need their pole set by hand,
// so their choice is shown open on every such row the user can see. Before the dialog is first
// shown the view has no height yet: the rows that will fill it are covered by the margin.
void DialogImportResults::updateInsulationEditors()
{
    constexpr int marginRows = 40;
    const int rows = resultsModel->rowCount();
    const int rowHeight = qMax(1, table->verticalHeader()->defaultSectionSize());
    const int top = qMax(0, table->rowAt(0));
    const int first = qMax(0, top - marginRows);
    const int last = qMin(rows - 1, top + table->viewport()->height() / rowHeight + marginRows);
    closeInsulationEditorsOutside(first, last);
    if (delegateColumn < 0)
        return;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = resultsModel->index(row, delegateColumn);
        if (rowsWithEditor.contains(row) || !index.isValid()
            || resultsModel->testTypeCode(index) != ResultsCsv::PositiveEarthInsulation)
            continue;
        table->openPersistentEditor(index);
        rowsWithEditor.insert(row);
    }
}

void DialogImportResults::closeInsulationEditorsOutside(int first, int last)
{
    for (auto row = rowsWithEditor.begin(); row != rowsWithEditor.end();) {
        if (*row >= first && *row <= last) {
            ++row;
            continue;
        }
        table->closePersistentEditor(resultsModel->index(*row, delegateColumn));
        row = rowsWithEditor.erase(row);
    }
}

bool DialogImportResults::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table->viewport() && event->type() == QEvent::Resize)
        updateInsulationEditors();
    return QDialog::eventFilter(watched, event);
}

void DialogImportResults::slotImportRows()
{
    QModelIndexList rows = table->selectionModel()->selectedRows(0);
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    emit importRow(rows);
}

void DialogImportResults::slotRowDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    // A double click on an insulation test type opens its pole choice; it must not import too.
    if (index.flags().testFlag(Qt::ItemIsEditable)
        && CsvResultsTestTypeDelegate::hasEditor(resultsModel->testTypeCode(index)))
        return;
    emit importRow({index});
}
