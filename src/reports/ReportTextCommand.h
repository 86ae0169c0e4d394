#pragma once

#include <QPointer>
#include <QUndoCommand>

class GraphicsTextItem;

// One step of an editor's own text history, replayed through the report's undo stack so that
// the document's stack and the editor's history stay in step.
class ReportTextCommand : public QUndoCommand
{
public:
    explicit ReportTextCommand(GraphicsTextItem* editor);

    void redo() override;
    void undo() override;

private:
    QPointer<GraphicsTextItem> editor;
};
