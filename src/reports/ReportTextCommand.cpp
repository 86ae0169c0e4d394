#include "ReportTextCommand.h"

#include "GraphicsTextItem.h"
#include "ReportText.h"

ReportTextCommand::ReportTextCommand(ReportText* item, const QString& before, const QString& after)
    : item(item)
    , before(before)
    , after(after)
{
}

void ReportTextCommand::redo()
{
    show(after);
}

// The editor goes on adding keystrokes to its latest step without saying so: whatever the field
// shows when this step is undone is what it showed after the step, so redo brings that back.
void ReportTextCommand::undo()
{
    if (item)
        after = item->text();
    show(before);
}

// When the command is pushed the editor already shows the new text: setting it again would move
// the caret away from where the user is typing.
void ReportTextCommand::show(const QString& text)
{
    if (!item)
        return;
    item->editor()->setFocus(Qt::OtherFocusReason);
    if (item->text() != text)
        item->setText(text);
}
