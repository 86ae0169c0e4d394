#pragma once

#include <QGraphicsItem>

class DiagramComponent;
class DiagramConnection;

// One end of a wire. While the user places or hovers it, every move asks the boxes under it
// whether it may attach there; an attached end keeps its offset from the box and follows it.
class ConnectionPoint : public QGraphicsItem
{
public:
    // The side of the box the end sits on.
    enum Side { Top = 1, Bottom = 2, Right = 4, Left = 8 };

    ConnectionPoint(DiagramConnection& owner, int direction);
    ~ConnectionPoint() override;

    DiagramConnection& owner() const;
    QPointF offset() const;
    DiagramComponent* connectedComponent() const;
    int direction() const;
    bool isAttached() const;
    bool isHovered() const;
    bool isPlacing() const;
    void setPlacing(bool placing);

    // Attaches to `component` at `scenePosition` on `side`, as a file says, and moves there.
    void attachTo(DiagramComponent* component, const QPointF& scenePosition, int side);
    void detach();
    // The box is going, and with it the whole diagram: no re-routing, no redrawing.
    void forgetComponent();
    // Puts a free end where a file says, facing `side` when that is a side code.
    void setFree(const QPointF& scenePosition, int side);
    // Moves the end the user is placing or dragging, attaching it where a box takes it, even
    // when it is already there.
    void placeAt(const QPointF& scenePosition);
    // Keeps the end at its offset from a box that moved to `componentPosition`.
    void followComponent(const QPointF& componentPosition);
    // The box it sits on, or its own small box when free.
    QRectF obstacle() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    // The attach rule: the first box under `proposed` that accepts the end takes it.
    QPointF attachAt(const QPointF& proposed);
    void setComponent(DiagramComponent* component);

    DiagramConnection& connection;
    QPointF componentOffset;
    DiagramComponent* component = nullptr;
    int side;
    bool hovered = false;
    bool attached = false;
    bool placing = false;
};
