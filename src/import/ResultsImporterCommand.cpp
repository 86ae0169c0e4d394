#include "ResultsImporterCommand.h"

#include "ReportTableCell.h"

void ResultsImporterCommand::setCellValue(ReportTableCell* cell, const QString& value)
{
    cells.insert(cell, value);
}

void ResultsImporterCommand::changeText(ReportText* item, const QString& newText)
{
    const auto recorded = texts.find(item);
    if (recorded == texts.end())
        texts.insert(item, {item->text(), newText});
    else
        recorded->newText = newText;
}

QString ResultsImporterCommand::textAfter(ReportText* item) const
{
    const auto recorded = texts.find(item);
    return recorded == texts.end() ? item->text() : recorded->newText;
}

void ResultsImporterCommand::redo()
{
    for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
        cell.key()->setText(cell.value());
    for (auto change = texts.cbegin(); change != texts.cend(); ++change)
        change.key()->setText(change->newText);
}

void ResultsImporterCommand::undo()
{
    for (ReportTableCell* cell : cells.keys())
        cell->setText(QString());
    for (auto change = texts.cbegin(); change != texts.cend(); ++change)
        change.key()->setText(change->oldText);
}
