#pragma once

#include "AbstractReportItem.h"

#include <QVector>

// An item the user may move and resize with the mouse when its `resizable` attribute is set.
// Each finished drag becomes one undo command.
class ReportResizableItem : public AbstractReportItem
{
    Q_OBJECT

public:
    // Bits of the edge set: which part of the item the pointer is over.
    enum Edge {
        LeftEdge = 1,
        HorizontalMiddle = 2,
        RightEdge = 4,
        TopEdge = 16,
        VerticalMiddle = 32,
        BottomEdge = 64,
        Inside = HorizontalMiddle | VerticalMiddle
    };

    explicit ReportResizableItem(QGraphicsItem* parent = nullptr);

    virtual QRectF rect() const = 0;
    virtual void setSize(const QSizeF& size, int edges) = 0;

    bool isResizable() const { return resizable; }
    void setResizable(bool on);
    double handleFactor() const { return handles; }

    static int edgesAt(const QPointF& point, const QRectF& rect);
    static Qt::CursorShape cursorFor(int edges);
    // Geometry comparison with a relative tolerance of 1e-12; values that close to zero are zero.
    static bool valuesDiffer(double a, double b);
    // Recomputes the frame and handle squares drawn around a selected item.
    void updateSelectionFrame();
    const QVector<QRectF>& selectionFrame() const { return frameRects; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    bool readResizableAttributes(const QDomElement& element);
    // Sizes are written only when set (> 0).
    void writeResizableAttributes(QDomElement& element, const QSizeF& size) const;
    double frameMargin() const;

    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void dragEdges(const QPointF& parentPoint);

    bool resizable = false;
    QPointF pressPosition;
    QSizeF pressSize;
    QPointF pressPointer;
    int dragged = 0;
    double handles = 1.0;
    QVector<QRectF> frameRects;
};
