#include "DialogImportResults.h"

#include "CsvResultsModel.h"
#include "CsvResultsTestTypeDelegate.h"
#include "Prompts.h"
#include "ResultsCsv.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
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

    auto* importButton = new QCommandLinkButton(tr("Import row(s)"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(table);
    layout->addWidget(importButton);

    connect(importButton, &QCommandLinkButton::clicked, this, &DialogImportResults::slotImportRows);
    connect(table, &QTableView::doubleClicked, this, &DialogImportResults::slotRowDoubleClicked);
}

CsvResultsModel* DialogImportResults::model() const
{
    return resultsModel;
}

bool DialogImportResults::load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::instance().show(isVisible() ? this : parentWidget(), QMessageBox::Warning,
                                 tr("Error opening %1 for reading.", "Error Message").arg(fileName));
        return false;
    }
    setWindowTitle(tr("Import Results - %1", "Window Title").arg(QFileInfo(fileName).fileName()));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool parsed = resultsModel->parse(file);
    installTestTypeDelegate();
    openInsulationEditors();
    table->resizeColumnsToContents();
    QApplication::restoreOverrideCursor();
    return parsed;
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
// so their choice is shown open on every such row.
void DialogImportResults::openInsulationEditors()
{
    for (int row = 0; row < resultsModel->rowCount(); ++row) {
        const QModelIndex index = resultsModel->index(row, delegateColumn);
        if (index.isValid() && resultsModel->testTypeCode(index) == ResultsCsv::PositiveEarthInsulation)
            table->openPersistentEditor(index);
    }
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
