#include "ReportTextCommand.h"

#include "GraphicsTextItem.h"
#include "ReportText.h"

namespace {
constexpr int textCommandId = 0x7465;
}

ReportTextCommand::ReportTextCommand(ReportText* item, const TextState& before, const TextState& after, int visit)
    : item(item)
    , before(before)
    , after(after)
    , visit(visit)
{
}

int ReportTextCommand::id() const
{
    return textCommandId;
}

bool ReportTextCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const ReportTextCommand*>(other);
    if (next->item != item || next->visit != visit || !item)
        return false;
    after = next->after;
    // Typing that came back to where the step began leaves nothing to undo.
    setObsolete(after.text == before.text);
    return true;
}

void ReportTextCommand::redo()
{
    show(after);
}

void ReportTextCommand::undo()
{
    show(before);
}

void ReportTextCommand::show(const TextState& state)
{
    if (!item)
        return;
    GraphicsTextItem* editor = item->editor();
    editor->setFocus(Qt::OtherFocusReason);
    // When the command is pushed the editor already shows the new text where the user types.
    if (item->text() != state.text)
        item->setText(state.text);
    editor->setCaret(state.anchor, state.position);
}
