#include "ConnectionPoint.h"

#include "DiagramComponent.h"
#include "DiagramConnection.h"

#include <QGraphicsScene>
#include <QPainter>

ConnectionPoint::ConnectionPoint(DiagramConnection& owner, int direction)
    : connection(owner)
    , side(direction)
{
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    // Above the boxes, so that an end on a box edge can still be picked up.
    setZValue(1);
}

ConnectionPoint::~ConnectionPoint()
{
    if (component)
        component->removeConnectionPoint(this);
}

DiagramConnection& ConnectionPoint::owner() const
{
    return connection;
}

QPointF ConnectionPoint::offset() const
{
    return componentOffset;
}

DiagramComponent* ConnectionPoint::connectedComponent() const
{
    return component;
}

int ConnectionPoint::direction() const
{
    return side;
}

bool ConnectionPoint::isAttached() const
{
    return attached;
}

bool ConnectionPoint::isHovered() const
{
    return hovered;
}

bool ConnectionPoint::isPlacing() const
{
    return placing;
}

void ConnectionPoint::setPlacing(bool isPlacing)
{
    placing = isPlacing;
    update();
}

void ConnectionPoint::attachTo(DiagramComponent* target, const QPointF& scenePosition, int newSide)
{
    setComponent(target);
    componentOffset = scenePosition - target->scenePos();
    side = newSide;
    attached = true;
    if (scenePosition == pos())
        connection.endMoved();
    else
        setPos(scenePosition);
}

void ConnectionPoint::detach()
{
    setComponent(nullptr);
    attached = false;
    update();
    connection.endMoved();
}

void ConnectionPoint::forgetComponent()
{
    component = nullptr;
    attached = false;
}

void ConnectionPoint::setFree(const QPointF& scenePosition, int newSide)
{
    if (newSide == Top || newSide == Bottom || newSide == Right || newSide == Left)
        side = newSide;
    setPos(scenePosition);
}

void ConnectionPoint::placeAt(const QPointF& scenePosition)
{
    const QPointF anchored = attachAt(scenePosition);
    if (anchored == pos())
        connection.endMoved();
    else
        setPos(anchored);
}

void ConnectionPoint::followComponent(const QPointF& componentPosition)
{
    setPos(componentPosition + componentOffset);
}

QRectF ConnectionPoint::obstacle() const
{
    return component ? component->sceneBoundingRect() : sceneBoundingRect();
}

QRectF ConnectionPoint::boundingRect() const
{
    return QRectF(-5, -5, 10, 10);
}

void ConnectionPoint::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!hovered && !placing)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(attached ? QColor(Qt::darkGreen) : QColor(Qt::red), 2));
    painter->drawLine(QPointF(-4, -4), QPointF(4, 4));
    painter->drawLine(QPointF(-4, 4), QPointF(4, -4));
}

QVariant ConnectionPoint::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange && (hovered || placing))
        return attachAt(value.toPointF());
    if (change == ItemPositionHasChanged)
        connection.endMoved();
    return QGraphicsItem::itemChange(change, value);
}

QPointF ConnectionPoint::attachAt(const QPointF& proposed)
{
    if (!scene())
        return proposed;
    // Asked with a small square, as the scene's index can miss a point exactly on a box edge,
    // which is where an attached end sits.
    const QRectF around(proposed - QPointF(0.5, 0.5), QSizeF(1, 1));
    const QList<QGraphicsItem*> nearby = scene()->items(around, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder);
    for (QGraphicsItem* item : nearby) {
        if (item == &connection || !(item->type() & DiagramComponent::Type)
            || !item->sceneBoundingRect().contains(proposed))
            continue;
        auto* candidate = dynamic_cast<DiagramComponent*>(item);
        QPointF anchored = proposed;
        const int answer = candidate ? candidate->anchorConnection(connection.cableType(), anchored, connection.state()) : 0;
        if (answer == 0)
            continue;
        setComponent(candidate);
        componentOffset = anchored - candidate->scenePos();
        side = answer;
        attached = true;
        update();
        return anchored;
    }
    setComponent(nullptr);
    attached = false;
    update();
    return proposed;
}

void ConnectionPoint::setComponent(DiagramComponent* target)
{
    if (component == target)
        return;
    if (component)
        component->removeConnectionPoint(this);
    component = target;
    if (component)
        component->addConnectionPoint(this);
}

void ConnectionPoint::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    hovered = true;
    update();
    QGraphicsItem::hoverEnterEvent(event);
}

void ConnectionPoint::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    hovered = false;
    update();
    QGraphicsItem::hoverLeaveEvent(event);
}
