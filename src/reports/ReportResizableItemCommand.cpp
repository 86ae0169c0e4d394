#include "ReportResizableItemCommand.h"

#include "ReportResizableItem.h"

ReportResizableItemCommand::ReportResizableItemCommand(ReportResizableItem* item, const QPointF& oldPosition,
                                                       const QSizeF& oldSize, const QPointF& newPosition,
                                                       const QSizeF& newSize, int edges)
    : item(item)
    , oldPosition(oldPosition)
    , oldSize(oldSize)
    , newPosition(newPosition)
    , newSize(newSize)
    , edges(edges)
{
}

void ReportResizableItemCommand::redo()
{
    apply(newPosition, newSize);
}

void ReportResizableItemCommand::undo()
{
    apply(oldPosition, oldSize);
}

void ReportResizableItemCommand::apply(const QPointF& position, const QSizeF& size)
{
    item->setFocus(Qt::OtherFocusReason);
    item->setSize(size, edges);
    item->updateSelectionFrame();
    item->setPos(position);
}
