#pragma once

#include <QDialog>
#include <QModelIndexList>
#include <QSet>

class CsvResultsModel;
class CsvResultsTestTypeDelegate;
class QTableView;

// Shows a results file and hands the rows the user picks to whoever imports them. Modeless, so
// the user can switch between report windows while it stays open.
class DialogImportResults : public QDialog
{
    Q_OBJECT

public:
    explicit DialogImportResults(QWidget* parent = nullptr);

    // Reads `fileName` into the table. When the file cannot be opened the user is told and the
    // dialog keeps what it showed before.
    bool load(const QString& fileName);
    CsvResultsModel* model() const;

signals:
    // Indexes in column 0 of the chosen rows, in file order.
    void importRow(const QModelIndexList& indexes);

public slots:
    void slotImportRows();
    void slotRowDoubleClicked(const QModelIndex& index);

private:
    void installTestTypeDelegate();
    // Wide enough for every column, within the screen.
    void widenToTheColumns();
    // Pole choices are open on the insulation rows in and near view only: a file of a hundred
    // thousand such rows would otherwise make as many combo boxes.
    void updateInsulationEditors();
    void closeInsulationEditorsOutside(int first, int last);
    bool eventFilter(QObject* watched, QEvent* event) override;

    CsvResultsModel* resultsModel;
    CsvResultsTestTypeDelegate* testTypeDelegate;
    QTableView* table;
    int delegateColumn = -1;
    QSet<int> rowsWithEditor;
};
