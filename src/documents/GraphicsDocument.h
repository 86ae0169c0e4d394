#pragma once

#include "DocumentWithToolbar.h"

class QAction;
class ZoomableGraphicsView;

// A document drawn in a graphics view, with zoom in steps from 1/12 to 12 times.
class GraphicsDocument : public DocumentWithToolbar
{
    Q_OBJECT

public:
    static constexpr int maximumZoomLevel = 7;
    static constexpr int minimumZoomLevel = -7;

    explicit GraphicsDocument(const QString& filePath, QWidget* parent = nullptr);

    ZoomableGraphicsView* view() const;
    int zoomLevel() const;
    static qreal scaleForLevel(int level);

public slots:
    void zoomIn();
    void zoomOut();

private slots:
    void zoomAround(int steps, const QPoint& viewPosition);

private:
    void setZoomLevel(int level);

    ZoomableGraphicsView* graphicsView;
    QAction* actionZoomIn;
    QAction* actionZoomOut;
    int level = 0;
};
