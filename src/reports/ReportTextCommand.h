#pragma once

#include "TextState.h"

#include <QPointer>
#include <QUndoCommand>

class ReportText;

// One step of typing in a field or cell, holding the text and caret before and after it. Typing
// on in the same field during one visit merges into the step; the stack never merges into its
// clean state, so the first change after a save always starts a step of its own.
class ReportTextCommand : public QUndoCommand
{
public:
    ReportTextCommand(ReportText* item, const TextState& before, const TextState& after, int visit);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

private:
    void show(const TextState& state);

    QPointer<ReportText> item;
    TextState before;
    TextState after;
    int visit;
};
