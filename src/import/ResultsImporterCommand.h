#pragma once

#include <QMap>
#include <QString>
#include <QUndoCommand>

class ReportTableCell;
class ReportText;

// One results import as a single undo step: the table cells it fills and the fields whose text
// it changes. Texts are set without the items' own undo recording, so the import stays one step.
class ResultsImporterCommand : public QUndoCommand
{
public:
    ResultsImporterCommand() = default;

    // A later value for the same cell replaces the earlier one.
    void setCellValue(ReportTableCell* cell, const QString& value);
    // Record changes before the command is applied: the first one for an item takes the item's
    // text as the old text, later ones only replace the new text.
    void changeText(ReportText* item, const QString& newText);
    // The text `item` has once this command is applied.
    QString textAfter(ReportText* item) const;

    void redo() override;
    // Empties the filled cells: the import only writes into empty cells.
    void undo() override;

private:
    struct TextChange
    {
        QString oldText;
        QString newText;
    };

    QMap<ReportTableCell*, QString> cells;
    QMap<ReportText*, TextChange> texts;
};
