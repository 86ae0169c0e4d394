#pragma once

#include <QGraphicsView>

// A graphics view that leaves Ctrl+wheel to its document, which zooms around the mouse.
class ZoomableGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit ZoomableGraphicsView(QWidget* parent = nullptr);

signals:
    // `steps` is +1 for a wheel turned away from the user, -1 otherwise; `viewPosition` is the
    // mouse position in viewport coordinates.
    void zoomWheel(int steps, const QPoint& viewPosition);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
