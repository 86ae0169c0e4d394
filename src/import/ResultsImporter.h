#pragma once

#include <QMap>
#include <QModelIndexList>
#include <QVector>

class AbstractReportItem;
class CsvResultsModel;
class ReportScene;
class ReportTable;
class ReportTableCell;
class ReportText;
class ResultsImporterCommand;

// Writes chosen rows of an instrument results file into a PV array test report. Results columns
// are matched to the report by name: a column named like a table cell's id fills that cell's row
// in the next free column of its table, one named like a text field replaces the field's text,
// and the remaining columns are summarised in the "comments" field. One import is one undo step.
class ResultsImporter
{
public:
    enum Result { Imported = 0, InvalidRow = 1, NoInsertionPlace = 2, TableFull = 3 };

    // Without a scene nothing is matched and every import reports NoInsertionPlace.
    ResultsImporter(ReportScene* scene, const CsvResultsModel* model);

    // Fills one free table column per row, in the order given, and pushes the change onto the
    // scene's undo stack. Returns a Result; on anything but Imported the report is unchanged.
    int import(const QModelIndexList& indexes);

private:
    struct TableTarget
    {
        ReportTable* table = nullptr;
        int column = 0;
        bool positiveFree = true;
        bool negativeFree = true;
    };

    void mapColumn(int column, const QString& name);
    void mapItem(int column, const QString& name, AbstractReportItem* item);
    void addTable(ReportTable* table);
    ReportTableCell* cellById(const QString& id) const;

    bool isValidRow(const QModelIndex& index) const;
    bool findTargetColumns();
    int firstFreeColumn(const ReportTable* table) const;
    QVector<int> labelRows(const ReportTable* table) const;

    void importRow(int row, ResultsImporterCommand& command);
    void fillTable(TableTarget& target, int row, uint type, ResultsImporterCommand& command) const;
    ReportTableCell* rowLabel(int column, uint type) const;
    bool takesInsulationValue(TableTarget& target, const ReportTableCell* cell, uint type) const;
    void addTestInstrument(ResultsImporterCommand& command) const;
    void copyTextFields(int row, ResultsImporterCommand& command) const;
    void appendComments(int row, ResultsImporterCommand& command) const;
    QString value(int row, int column) const;
    // The tester's day/month/year as the date field of the session's report templates writes it.
    static QString fieldDate(const QString& written);

    ReportScene* scene;
    const CsvResultsModel* model;
    QMap<int, ReportTableCell*> labelCells;
    QMap<int, ReportText*> textFields;
    QVector<TableTarget> tables;
    QVector<int> commentColumns;
    ReportText* comments = nullptr;
    int insulationColumn = -1;
    int dateColumn = -1;
    ReportTableCell* positiveCell = nullptr;
    ReportTableCell* negativeCell = nullptr;
};
