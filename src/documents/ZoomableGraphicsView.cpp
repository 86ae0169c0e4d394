#include "ZoomableGraphicsView.h"

#include <QWheelEvent>

ZoomableGraphicsView::ZoomableGraphicsView(QWidget* parent)
    : QGraphicsView(parent)
{
}

void ZoomableGraphicsView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    // Not scrolled here: the document decides the zoom.
    event->ignore();
    emit zoomWheel(event->angleDelta().y() > 0 ? 1 : -1, event->position().toPoint());
}
