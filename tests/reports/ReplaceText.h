#pragma once

#include "ReportText.h"

#include <QUndoCommand>

// What a results import does to a field: one command of its own that replaces the text, without
// the field's typing history.
class ReplaceText : public QUndoCommand
{
public:
    ReplaceText(ReportText* field, const QString& text)
        : field(field)
        , before(field->text())
        , after(text)
    {
    }
    void redo() override { field->setText(after); }
    void undo() override { field->setText(before); }

private:
    ReportText* field;
    QString before;
    QString after;
};
