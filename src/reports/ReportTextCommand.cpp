#include "ReportTextCommand.h"

#include "GraphicsTextItem.h"

#include <QTextDocument>

ReportTextCommand::ReportTextCommand(GraphicsTextItem* editor)
    : editor(editor)
{
}

void ReportTextCommand::redo()
{
    if (!editor)
        return;
    editor->setFocus(Qt::OtherFocusReason);
    editor->document()->redo();
}

void ReportTextCommand::undo()
{
    if (!editor)
        return;
    editor->setFocus(Qt::OtherFocusReason);
    editor->document()->undo();
}
