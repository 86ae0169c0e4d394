#pragma once

#include <QPointF>
#include <QSizeF>
#include <QUndoCommand>

class ReportResizableItem;

// One finished move or resize drag of an item.
class ReportResizableItemCommand : public QUndoCommand
{
public:
    ReportResizableItemCommand(ReportResizableItem* item, const QPointF& oldPosition, const QSizeF& oldSize,
                               const QPointF& newPosition, const QSizeF& newSize, int edges);

    void redo() override;
    void undo() override;

private:
    void apply(const QPointF& position, const QSizeF& size);

    ReportResizableItem* item;
    QPointF oldPosition;
    QSizeF oldSize;
    QPointF newPosition;
    QSizeF newSize;
    int edges;
};
