#include "DiagramComponent.h"

#include "ConnectionPoint.h"
#include "DiagramGraphicsScene.h"
#include "DiagramLabel.h"
#include "DiagramXml.h"

#include <QAction>
#include <QDomElement>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QXmlStreamWriter>

namespace {
// Between a caption beside a box and the box.
constexpr qreal captionGap = 8;
} // namespace

DiagramComponent::DiagramComponent(const QString& id, const QSizeF& boxSize, int kindType)
    : DiagramGraphicsItem(id)
    , box(QPointF(0, 0), boxSize)
    , kindType(kindType)
{
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
}

DiagramComponent::~DiagramComponent()
{
    auto* diagram = qobject_cast<DiagramGraphicsScene*>(scene());
    if (diagram && diagram->isClosing())
        forgetConnectionPoints();
    else
        detachConnectionPoints();
    delete label;
}

void DiagramComponent::place(const QPointF& position, const QString& captionText)
{
    setPos(position);
    if (hasCaption() && !captionText.isEmpty())
        createCaption(captionText, position + captionOffset(), captionSize());
}

DiagramLabel* DiagramComponent::caption() const
{
    return label;
}

void DiagramComponent::deleteCaption()
{
    if (!label)
        return;
    DiagramLabel* removed = label;
    label = nullptr;
    if (removed->scene())
        removed->scene()->removeItem(removed);
    removed->deleteLater();
    emit modified();
}

const QList<ConnectionPoint*>& DiagramComponent::connectionPoints() const
{
    return points;
}

QRectF DiagramComponent::boundingRect() const
{
    return box;
}

int DiagramComponent::type() const
{
    return kindType;
}

void DiagramComponent::writeXml(QXmlStreamWriter& writer) const
{
    DiagramXml::writePosition(writer, pos());
    if (!label)
        return;
    writer.writeStartElement(QStringLiteral("label"));
    const QRectF bounds = label->boundingRect();
    DiagramXml::writePosition(writer, label->pos());
    writer.writeAttribute(QStringLiteral("width"), DiagramXml::realText(bounds.width()));
    writer.writeAttribute(QStringLiteral("height"), DiagramXml::realText(bounds.height()));
    writer.writeAttribute(QStringLiteral("text"), label->labelText());
    writer.writeEndElement();
}

void DiagramComponent::readXml(const QDomElement& element)
{
    DiagramGraphicsItem::readXml(element);
    setPos(DiagramXml::readReal(element, QStringLiteral("x"), 0), DiagramXml::readReal(element, QStringLiteral("y"), 0));
    const QDomElement caption = element.firstChildElement(QStringLiteral("label"));
    if (caption.isNull())
        return;
    const QPointF position(DiagramXml::readReal(caption, QStringLiteral("x"), 0),
                           DiagramXml::readReal(caption, QStringLiteral("y"), 0));
    // A caption is never narrower than a letter, whatever the file says.
    const QSizeF size(qMax(1.0, DiagramXml::readReal(caption, QStringLiteral("width"), 50)),
                      qMax(0.0, DiagramXml::readReal(caption, QStringLiteral("height"), 10)));
    createCaption(caption.attribute(QStringLiteral("text")), position, size);
}

int DiagramComponent::anchorConnection(int, QPointF& point, int)
{
    return anchorToNearestSide(sceneBoundingRect(), point);
}

int DiagramComponent::anchorToNearestSide(const QRectF& box, QPointF& point)
{
    if (box.width() <= 0 || box.height() <= 0)
        return 0;
    const QPointF middle = box.center();
    const qreal dx = point.x() - middle.x();
    const qreal dy = point.y() - middle.y();
    const qreal aspect = box.height() / box.width();
    int side = 0;
    if (qAbs(dx) < 0.1) {
        side = dy > 0 ? ConnectionPoint::Bottom : ConnectionPoint::Top;
    } else {
        const qreal slope = dy / dx;
        const int alongSlope = dx > 0 ? ConnectionPoint::Bottom : ConnectionPoint::Top;
        const int againstSlope = dx > 0 ? ConnectionPoint::Top : ConnectionPoint::Bottom;
        side = slope > aspect ? alongSlope
             : -slope > aspect ? againstSlope
             : dx > 0 ? ConnectionPoint::Right : ConnectionPoint::Left;
    }
    switch (side) {
    case ConnectionPoint::Top: point.setY(box.top()); break;
    case ConnectionPoint::Bottom: point.setY(box.bottom()); break;
    case ConnectionPoint::Right: point.setX(box.right()); break;
    default: point.setX(box.left()); break;
    }
    return side;
}

void DiagramComponent::addConnectionPoint(ConnectionPoint* point)
{
    if (!points.contains(point))
        points.append(point);
}

void DiagramComponent::removeConnectionPoint(ConnectionPoint* point)
{
    points.removeAll(point);
}

void DiagramComponent::handleMenuAction(QAction*)
{
}

void DiagramComponent::deleteComponent()
{
    detachConnectionPoints();
    emit modified();
    if (QGraphicsScene* owner = scene()) {
        if (label && label->scene() == owner)
            owner->removeItem(label);
        owner->removeItem(this);
    }
    deleteLater();
}

QPointF DiagramComponent::captionOffset() const
{
    return QPointF(0, 0);
}

QSizeF DiagramComponent::captionSize() const
{
    return QSizeF(-1, -1);
}

bool DiagramComponent::hasCaption() const
{
    return true;
}

void DiagramComponent::captionResized()
{
    keepCaptionBesideBox();
}

// Captions left of the box are placed for English names; longer ones, as most German names
// are, would reach over the symbol. Only a caption that starts beside the box is moved: one
// the user dragged onto the box stays there.
void DiagramComponent::keepCaptionBesideBox()
{
    if (!label || captionOffset().x() >= 0)
        return;
    const QRectF caption = label->sceneBoundingRect();
    const QRectF body = sceneBoundingRect();
    if (caption.left() >= body.left() || !caption.intersects(body))
        return;
    label->setX(label->x() - (caption.right() - body.left()) - captionGap);
}

void DiagramComponent::setBoxSize(const QSizeF& size)
{
    prepareGeometryChange();
    box = QRectF(QPointF(0, 0), size);
}

void DiagramComponent::paintBox(QPainter* painter, const QColor& fill) const
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::black, 2));
    painter->setBrush(fill);
    painter->drawRect(box);
}

QVariant DiagramComponent::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneHasChanged && scene() && label && label->scene() != scene())
        scene()->addItem(label);
    else if (change == ItemPositionHasChanged)
        followPosition();
    return DiagramGraphicsItem::itemChange(change, value);
}

// Wire ends keep their place on the box; the caption keeps its distance.
void DiagramComponent::followPosition()
{
    const QPointF moved = pos() - lastPosition;
    lastPosition = pos();
    for (ConnectionPoint* point : qAsConst(points))
        point->followComponent(pos());
    if (label)
        label->moveBy(moved.x(), moved.y());
    emit modified();
}

void DiagramComponent::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QMenu menu;
    menu.addAction(deleteAction());
    menu.addSeparator();
    menu.addActions(extraMenuActions);
    QAction* chosen = menu.exec(event->screenPos());
    event->accept();
    if (chosen == deleteMenuAction)
        deleteComponent();
    else if (chosen)
        handleMenuAction(chosen);
}

QAction* DiagramComponent::deleteAction()
{
    if (!deleteMenuAction)
        deleteMenuAction = new QAction(tr("Delete %1", "Installation Diagram object removal").arg(displayName()), this);
    return deleteMenuAction;
}

void DiagramComponent::createCaption(const QString& text, const QPointF& position, const QSizeF& size)
{
    delete label;
    label = new DiagramLabel(this, text, size);
    label->setPos(position);
    connect(label, &DiagramLabel::modified, this, &DiagramGraphicsItem::setModified);
    if (scene())
        scene()->addItem(label);
    captionResized();
}

void DiagramComponent::forgetConnectionPoints()
{
    for (ConnectionPoint* point : qAsConst(points))
        point->forgetComponent();
    points.clear();
}

void DiagramComponent::detachConnectionPoints()
{
    // Detaching edits the list.
    const QList<ConnectionPoint*> attached = points;
    for (ConnectionPoint* point : attached)
        point->detach();
    points.clear();
}
