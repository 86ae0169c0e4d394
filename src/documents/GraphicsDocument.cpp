#include "GraphicsDocument.h"

#include "ZoomableGraphicsView.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>

GraphicsDocument::GraphicsDocument(const QString& filePath, QWidget* parent)
    : DocumentWithToolbar(filePath, parent)
    , graphicsView(new ZoomableGraphicsView)
    , actionZoomIn(addToolAction("actionZoomIn", QStringLiteral(":res/toolButtons/zoomIn.png"),
                                 tr("Zoom In", "Tool tip hint"), QKeySequence(QStringLiteral("Ctrl++"))))
    , actionZoomOut(addToolAction("actionZoomOut", QStringLiteral(":res/toolButtons/zoomOut.png"),
                                  tr("Zoom Out", "Tool tip hint"), QKeySequence(QStringLiteral("Ctrl+-"))))
{
    scrollArea()->setWidget(graphicsView);
    toolBar()->addSeparator();
    connect(actionZoomIn, &QAction::triggered, this, &GraphicsDocument::zoomIn);
    connect(actionZoomOut, &QAction::triggered, this, &GraphicsDocument::zoomOut);
    connect(graphicsView, &ZoomableGraphicsView::zoomWheel, this, &GraphicsDocument::zoomAround);
}

ZoomableGraphicsView* GraphicsDocument::view() const
{
    return graphicsView;
}

int GraphicsDocument::zoomLevel() const
{
    return level;
}

qreal GraphicsDocument::scaleForLevel(int level)
{
    static const qreal steps[] = {1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0};
    const int bounded = qBound(minimumZoomLevel, level, maximumZoomLevel);
    return bounded >= 0 ? steps[bounded] : 1.0 / steps[-bounded];
}

void GraphicsDocument::zoomIn()
{
    setZoomLevel(level + 1);
}

void GraphicsDocument::zoomOut()
{
    setZoomLevel(level - 1);
}

void GraphicsDocument::setZoomLevel(int newLevel)
{
    level = qBound(minimumZoomLevel, newLevel, maximumZoomLevel);
    const qreal scale = scaleForLevel(level);
    graphicsView->setTransform(QTransform::fromScale(scale, scale));
    actionZoomIn->setEnabled(level < maximumZoomLevel);
    actionZoomOut->setEnabled(level > minimumZoomLevel);
}

// Keeps the scene point under the mouse where it was, so the user zooms into what they point at.
void GraphicsDocument::zoomAround(int steps, const QPoint& viewPosition)
{
    const QPointF scenePoint = graphicsView->mapToScene(viewPosition);
    setZoomLevel(level + steps);
    const QPoint nowAt = graphicsView->mapFromScene(scenePoint);
    const QPoint halfViewport(graphicsView->viewport()->width() / 2, graphicsView->viewport()->height() / 2);
    graphicsView->centerOn(graphicsView->mapToScene(nowAt - viewPosition + halfViewport));
}
