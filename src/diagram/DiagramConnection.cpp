#include "DiagramConnection.h"

#include "DiagramComponent.h"
#include "DiagramGraphicsScene.h"
#include "DiagramXml.h"
#include "WireRoute.h"

#include <QDomElement>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QLineF>
#include <QMenu>
#include <QPainter>
#include <QPainterPathStroker>
#include <QXmlStreamWriter>

namespace {
const QString endAName = QStringLiteral("connectionA");
const QString endBName = QStringLiteral("connectionB");

qreal halfWidth(int cableType)
{
    switch (cableType) {
    case DiagramConnection::SingleWire: return 0;
    case DiagramConnection::DcCable: return 5;
    case DiagramConnection::AcCable: return 10;
    default: return 5;
    }
}

// The marks show how many conductors the cable carries, as on any wiring plan.
int conductorMarks(int cableType)
{
    switch (cableType) {
    case DiagramConnection::SingleWire: return 1;
    case DiagramConnection::DcCable: return 2;
    case DiagramConnection::AcCable: return 3;
    default: return 0;
    }
}

qreal markReach(int cableType)
{
    return qMax<qreal>(4, halfWidth(cableType));
}

constexpr qreal markLabelSpace = 16;

QLineF longestSegment(const QPolygonF& route)
{
    QLineF longest;
    for (int i = 1; i < route.size(); ++i) {
        const QLineF segment(route.at(i - 1), route.at(i));
        if (segment.length() > longest.length())
            longest = segment;
    }
    return longest;
}
} // namespace

DiagramConnection::DiagramConnection(const QString& id, int cableType)
    : DiagramGraphicsItem(id)
    , pointA(*this, ConnectionPoint::Left)
    , pointB(*this, ConnectionPoint::Right)
    , cable(cableType)
{
    setZValue(-1);
    setFlag(ItemIsMovable);
    pointA.setPlacing(true);
    pointB.setVisible(false);
    updateRoute();
}

ConnectionPoint& DiagramConnection::endA()
{
    return pointA;
}

ConnectionPoint& DiagramConnection::endB()
{
    return pointB;
}

int DiagramConnection::cableType() const
{
    return cable;
}

int DiagramConnection::state() const
{
    return wireState;
}

ConnectionPoint* DiagramConnection::currentEnd()
{
    switch (wireState) {
    case PlacingA: return &pointA;
    case PlacingB: return &pointB;
    default: return nullptr;
    }
}

void DiagramConnection::advance()
{
    if (wireState == PlacingA) {
        pointA.setPlacing(false);
        pointB.setPlacing(true);
        pointB.setVisible(true);
        wireState = PlacingB;
    } else if (wireState == PlacingB) {
        pointB.setPlacing(false);
        wireState = Complete;
    }
    endMoved();
}

const QPolygonF& DiagramConnection::route() const
{
    return path;
}

qreal DiagramConnection::clearance(int cableType)
{
    return 0.5 + halfWidth(cableType);
}

QString DiagramConnection::typeName(int cableType)
{
    switch (cableType) {
    case SingleWire: return QStringLiteral("Single");
    case DcCable: return QStringLiteral("DC");
    case AcCable: return QStringLiteral("AC");
    default: return QString();
    }
}

int DiagramConnection::cableTypeFromName(const QString& name)
{
    for (int type : {SingleWire, DcCable, AcCable}) {
        if (name == typeName(type))
            return type;
    }
    return 0;
}

void DiagramConnection::endMoved()
{
    updateRoute();
    emit modified();
}

void DiagramConnection::updateRoute()
{
    const qreal margin = clearance(cable) + 2;
    const auto end = [margin](const ConnectionPoint& point) {
        return WireRoute::End {point.obstacle().adjusted(-margin, -margin, margin, margin), point.scenePos(),
                               point.direction()};
    };
    prepareGeometryChange();
    path = WireRoute::compute(end(pointA), end(pointB));
    // Room for the marks across the wire and the cable kind beside them.
    const qreal grow = qMax(clearance(cable), markReach(cable) + markLabelSpace);
    bounds = path.boundingRect().adjusted(-grow, -grow, grow, grow) | mapRectFromScene(pointA.sceneBoundingRect())
           | mapRectFromScene(pointB.sceneBoundingRect());
}

void DiagramConnection::deleteConnection()
{
    pointA.detach();
    pointB.detach();
    emit modified();
    if (QGraphicsScene* owner = scene())
        owner->removeItem(this);
    deleteLater();
}

QRectF DiagramConnection::boundingRect() const
{
    return bounds;
}

QPainterPath DiagramConnection::shape() const
{
    QPainterPath line;
    if (wireState == PlacingA)
        return line;
    line.addPolygon(path);
    QPainterPathStroker stroker;
    stroker.setWidth(qMax<qreal>(6, 2 * clearance(cable)));
    return stroker.createStroke(line);
}

void DiagramConnection::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (wireState == PlacingA)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawPolyline(path);
    paintCableMarks(painter);
}

// Oblique strokes across the middle of the longest run, one per conductor, with the current's kind
// beside them for cables.
void DiagramConnection::paintCableMarks(QPainter* painter) const
{
    const QLineF run = longestSegment(path);
    const int marks = conductorMarks(cable);
    if (run.length() < 8.0 * (marks + 1))
        return;
    const QPointF middle = run.pointAt(0.5);
    const QPointF along = run.unitVector().p2() - run.unitVector().p1();
    const QPointF across(-along.y(), along.x());
    const qreal reach = markReach(cable);
    for (int i = 0; i < marks; ++i) {
        const QPointF centre = middle + along * (4.0 * (2 * i - (marks - 1)));
        painter->drawLine(centre - across * reach - along * 3, centre + across * reach + along * 3);
    }
    if (cable != DcCable && cable != AcCable)
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    painter->setFont(font);
    const bool horizontal = qAbs(along.x()) > qAbs(along.y());
    const QPointF side = horizontal ? QPointF(0, -1) : QPointF(1, 0);
    const QPointF labelCentre = middle + side * (reach + markLabelSpace / 2);
    const QRectF labelBox(labelCentre - QPointF(10, 5), QSizeF(20, 10));
    painter->drawText(labelBox, Qt::AlignCenter, typeName(cable));
}

int DiagramConnection::type() const
{
    return cable >= SingleWire && cable <= AcCable ? Type + cable : Type;
}

QString DiagramConnection::displayName() const
{
    return tr("Connection", "Installation Diagram object name");
}

QString DiagramConnection::elementName() const
{
    return QStringLiteral("connection");
}

void DiagramConnection::writeXml(QXmlStreamWriter& writer) const
{
    const QString name = typeName(cable);
    if (!name.isEmpty())
        writer.writeAttribute(QStringLiteral("type"), name);
    writeEnd(writer, endAName, pointA);
    writeEnd(writer, endBName, pointB);
}

// A free end is written with its scene position instead of a box: without it the end would be
// read back at the origin and the wire would reach across the drawing to it.
void DiagramConnection::writeEnd(QXmlStreamWriter& writer, const QString& name, const ConnectionPoint& end)
{
    writer.writeStartElement(name);
    if (end.isAttached() && end.connectedComponent()) {
        writer.writeAttribute(QStringLiteral("connectedItemId"), end.connectedComponent()->id());
        writer.writeAttribute(QStringLiteral("connectedPosX"), DiagramXml::realText(end.offset().x()));
        writer.writeAttribute(QStringLiteral("connectedPosY"), DiagramXml::realText(end.offset().y()));
    } else {
        DiagramXml::writePosition(writer, end.scenePos());
    }
    writer.writeAttribute(QStringLiteral("direction"), QString::number(end.direction()));
    writer.writeEndElement();
}

void DiagramConnection::readXml(const QDomElement& element)
{
    DiagramGraphicsItem::readXml(element);
    cable = cableTypeFromName(element.attribute(QStringLiteral("type")));
    // The file says where the ends are; the attach rule is not asked again.
    pointA.setPlacing(false);
    pointB.setPlacing(false);
    pointB.setVisible(true);
    const bool placedA = readEnd(element.firstChildElement(endAName), pointA);
    const bool placedB = readEnd(element.firstChildElement(endBName), pointB);
    // Older files leave free ends out; such an end is put on the other one, where the user
    // finds it and can drag it out, rather than at the origin.
    if (placedA && !placedB)
        pointB.setPos(pointA.pos());
    else if (placedB && !placedA)
        pointA.setPos(pointB.pos());
    wireState = Complete;
    updateRoute();
}

bool DiagramConnection::readEnd(const QDomElement& element, ConnectionPoint& end)
{
    if (element.isNull())
        return false;
    const int side = element.attribute(QStringLiteral("direction")).toInt();
    const QString boxId = element.attribute(QStringLiteral("connectedItemId"));
    if (boxId.isEmpty())
        return readFreeEnd(element, end, side);
    auto* diagram = qobject_cast<DiagramGraphicsScene*>(scene());
    DiagramComponent* component = diagram ? diagram->componentWithId(boxId) : nullptr;
    if (!component)
        return false;
    const QPointF offset(DiagramXml::readReal(element, QStringLiteral("connectedPosX"), 0),
                         DiagramXml::readReal(element, QStringLiteral("connectedPosY"), 0));
    end.attachTo(component, component->scenePos() + offset, side);
    return true;
}

bool DiagramConnection::readFreeEnd(const QDomElement& element, ConnectionPoint& end, int side)
{
    const qreal unread = qInf();
    const QPointF position(DiagramXml::readReal(element, QStringLiteral("x"), unread),
                           DiagramXml::readReal(element, QStringLiteral("y"), unread));
    if (qIsInf(position.x()) || qIsInf(position.y()))
        return false;
    end.setFree(position, side);
    return true;
}

QVariant DiagramConnection::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneHasChanged) {
        for (ConnectionPoint* end : {&pointA, &pointB}) {
            if (end->scene() && end->scene() != scene())
                end->scene()->removeItem(end);
            if (scene() && !end->scene())
                scene()->addItem(end);
        }
    }
    return DiagramGraphicsItem::itemChange(change, value);
}

void DiagramConnection::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // Only a wire hanging free can be moved as a whole; an attached one follows its boxes.
    if (event->button() != Qt::LeftButton || pointA.isAttached() || pointB.isAttached()) {
        event->ignore();
        return;
    }
    dragOffset = event->scenePos() - pointA.scenePos();
    dragging = true;
    event->accept();
}

void DiagramConnection::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!dragging)
        return;
    const QPointF span = pointB.scenePos() - pointA.scenePos();
    const QPointF newA = event->scenePos() - dragOffset;
    pointA.setPos(newA);
    pointB.setPos(newA + span);
}

void DiagramConnection::mouseReleaseEvent(QGraphicsSceneMouseEvent*)
{
    dragging = false;
}

void DiagramConnection::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QMenu menu;
    QAction* remove = menu.addAction(tr("Delete %1", "Installation Diagram object removal").arg(displayName()));
    QAction* chosen = menu.exec(event->screenPos());
    event->accept();
    if (chosen == remove)
        deleteConnection();
}
