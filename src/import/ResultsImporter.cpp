#include "ResultsImporter.h"

#include "CsvResultsModel.h"
#include "Globals.h"
#include "ReportScene.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ResultsCsv.h"
#include "ResultsImporterCommand.h"

#include <QDate>

#include <algorithm>
#include <memory>

namespace {
const QString CommentsId = QStringLiteral("comments");
const QString InstrumentsId = QStringLiteral("test_instruments");
const QString PositiveInsulationId = QStringLiteral("Riso (MOhm)");
const QString NegativeInsulationId = QStringLiteral("-Riso (MOhm)");
const QString DateId = QStringLiteral("DD/MM/YYYY");

// Columns that describe the result rather than measure anything.
bool isBookkeepingColumn(const QString& name)
{
    return name == ResultsCsv::TestTypeColumn || name == ResultsCsv::CurveColumn
        || name == ResultsCsv::StatusCodeColumn || name == ResultsCsv::ChecksumColumn;
}
} // namespace

ResultsImporter::ResultsImporter(ReportScene* scene, const CsvResultsModel* model)
    : scene(scene)
    , model(model)
{
    if (!scene || !model)
        return;
    comments = qobject_cast<ReportText*>(scene->itemById(CommentsId));
    const QStringList names = model->header();
    for (int column = 0; column < names.size(); ++column)
        mapColumn(column, names.at(column));
    if (!negativeCell)
        negativeCell = cellById(NegativeInsulationId);
    if (!positiveCell)
        positiveCell = cellById(PositiveInsulationId);
}

void ResultsImporter::mapColumn(int column, const QString& name)
{
    if (AbstractReportItem* item = scene->itemById(name))
        mapItem(column, name.trimmed(), item);
    else if (comments && !isBookkeepingColumn(name.trimmed()))
        commentColumns.append(column);
}

void ResultsImporter::mapItem(int column, const QString& name, AbstractReportItem* item)
{
    auto* cell = qobject_cast<ReportTableCell*>(item);
    if (name == PositiveInsulationId) {
        insulationColumn = column;
        positiveCell = cell;
    } else if (name == NegativeInsulationId) {
        negativeCell = cell;
    } else if (name == DateId) {
        dateColumn = column;
        commentColumns.append(column);
    }
    if (cell) {
        labelCells.insert(column, cell);
        addTable(cell->table());
    } else if (auto* text = qobject_cast<ReportText*>(item)) {
        textFields.insert(column, text);
    }
}

void ResultsImporter::addTable(ReportTable* table)
{
    const bool known = std::any_of(tables.cbegin(), tables.cend(),
                                   [table](const TableTarget& target) { return target.table == table; });
    if (!known)
        tables.append({table});
}

ReportTableCell* ResultsImporter::cellById(const QString& id) const
{
    return qobject_cast<ReportTableCell*>(scene->itemById(id));
}

int ResultsImporter::import(const QModelIndexList& indexes)
{
    if (labelCells.isEmpty())
        return NoInsertionPlace;
    if (!std::all_of(indexes.cbegin(), indexes.cend(), [this](const QModelIndex& index) { return isValidRow(index); }))
        return InvalidRow;
    if (!findTargetColumns())
        return TableFull;
    if (indexes.isEmpty())
        return Imported;
    auto command = std::make_unique<ResultsImporterCommand>();
    for (const QModelIndex& index : indexes)
        importRow(index.row(), *command);
    scene->newCommand(command.release());
    return Imported;
}

bool ResultsImporter::isValidRow(const QModelIndex& index) const
{
    return index.isValid() && index.model() == model && index.row() < model->rowCount();
}

bool ResultsImporter::findTargetColumns()
{
    for (TableTarget& target : tables) {
        target.column = firstFreeColumn(target.table);
        if (target.column >= target.table->columnCount())
            return false;
        target.positiveFree = true;
        target.negativeFree = true;
    }
    return true;
}

// The label column itself is filled, so the first import goes right of the labels.
int ResultsImporter::firstFreeColumn(const ReportTable* table) const
{
    const QVector<int> rows = labelRows(table);
    int lastUsed = -1;
    for (const ReportTableCell* cell : table->cells()) {
        if (rows.contains(cell->row()) && !cell->text().isEmpty())
            lastUsed = std::max(lastUsed, cell->column());
    }
    return lastUsed + 1;
}

// The insulation column fills either the positive or the negative row, so both count as label
// rows even when the results name only one of them: a column holding just a negative-earth value
// is then not taken for free by the next import.
QVector<int> ResultsImporter::labelRows(const ReportTable* table) const
{
    QList<ReportTableCell*> labels = labelCells.values();
    if (labelCells.contains(insulationColumn))
        labels << positiveCell << negativeCell;
    QVector<int> rows;
    for (const ReportTableCell* cell : qAsConst(labels)) {
        if (cell && cell->table() == table)
            rows.append(cell->row());
    }
    return rows;
}

void ResultsImporter::importRow(int row, ResultsImporterCommand& command)
{
    const uint type = model->testTypeCode(model->index(row, 0));
    for (TableTarget& target : tables)
        fillTable(target, row, type, command);
    addTestInstrument(command);
    copyTextFields(row, command);
    appendComments(row, command);
}

void ResultsImporter::fillTable(TableTarget& target, int row, uint type, ResultsImporterCommand& command) const
{
    for (auto label = labelCells.cbegin(); label != labelCells.cend(); ++label) {
        const int column = label.key();
        const ReportTableCell* labelCell = rowLabel(column, type);
        if (!labelCell || labelCell->table() != target.table)
            continue;
        const QString text = value(row, column);
        ReportTableCell* cell = target.table->cellAt(labelCell->row(), target.column);
        if (text.isEmpty() || !cell)
            continue;
        if (column != insulationColumn || takesInsulationValue(target, cell, type))
            command.setCellValue(cell, text);
    }
}

// One insulation column feeds the positive-earth row, or the negative-earth row for results of
// that type.
ReportTableCell* ResultsImporter::rowLabel(int column, uint type) const
{
    if (column != insulationColumn)
        return labelCells.value(column);
    return type == ResultsCsv::NegativeEarthInsulation ? negativeCell : positiveCell;
}

// The first insulation result of the matching type keeps its row; results of another or no
// type may still be replaced.
bool ResultsImporter::takesInsulationValue(TableTarget& target, const ReportTableCell* cell, uint type) const
{
    bool takes = false;
    if (positiveCell && cell->row() == positiveCell->row() && target.positiveFree) {
        takes = true;
        target.positiveFree = type != ResultsCsv::PositiveEarthInsulation;
    }
    if (negativeCell && cell->row() == negativeCell->row() && target.negativeFree) {
        takes = true;
        target.negativeFree = type != ResultsCsv::NegativeEarthInsulation;
    }
    return takes;
}

void ResultsImporter::addTestInstrument(ResultsImporterCommand& command) const
{
    auto* instruments = qobject_cast<ReportText*>(scene->itemById(InstrumentsId));
    if (!instruments)
        return;
    const QString current = command.textAfter(instruments);
    if (current.contains(model->title()))
        return;
    const QString separator = current.isEmpty() ? QString() : QStringLiteral(", ");
    command.changeText(instruments, current + separator + model->title());
}

void ResultsImporter::copyTextFields(int row, ResultsImporterCommand& command) const
{
    for (auto field = textFields.cbegin(); field != textFields.cend(); ++field) {
        const QString text = value(row, field.key());
        command.changeText(field.value(), field.key() == dateColumn ? fieldDate(text) : text);
    }
}

QString ResultsImporter::fieldDate(const QString& written)
{
    // The tester writes day/month/year; a spreadsheet may have dropped the zeros or used dots.
    static const QString readFormats[] = {QStringLiteral("d/M/yyyy"), QStringLiteral("dd.MM.yyyy")};
    for (const QString& format : readFormats) {
        const QDate date = QDate::fromString(written, format);
        if (date.isValid()) {
            // The field's caption on the German templates reads "TT.MM.JJJJ", on the English "DD/MM/YYYY".
            const bool german = Globals::reportsFolder() == QLatin1String("reports_de");
            return date.toString(german ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("dd/MM/yyyy"));
        }
    }
    return written;
}

void ResultsImporter::appendComments(int row, ResultsImporterCommand& command) const
{
    if (!comments)
        return;
    QString line;
    for (int column : commentColumns) {
        const QString text = value(row, column);
        if (!text.isEmpty())
            line += QStringLiteral("%1=%2; ").arg(model->headerData(column, Qt::Horizontal).toString(), text);
    }
    if (!line.isEmpty())
        command.changeText(comments, command.textAfter(comments) + line + QLatin1Char('\n'));
}

QString ResultsImporter::value(int row, int column) const
{
    return model->data(model->index(row, column)).toString();
}
