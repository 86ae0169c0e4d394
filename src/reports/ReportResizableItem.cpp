#include "ReportResizableItem.h"

#include "ReportResizableItemCommand.h"
#include "ReportXml.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

ReportResizableItem::ReportResizableItem(QGraphicsItem* parent)
    : AbstractReportItem(parent)
{
}

void ReportResizableItem::setResizable(bool on)
{
    resizable = on;
    setFlag(ItemIsMovable, on);
    setFlag(ItemIsSelectable, on);
    setFlag(ItemSendsGeometryChanges, on);
    setAcceptHoverEvents(on);
    if (on)
        setFlag(ItemIsFocusable, true);
}

int ReportResizableItem::edgesAt(const QPointF& p, const QRectF& r)
{
    const int horizontal = p.x() <= r.left() ? LeftEdge : p.x() >= r.left() + r.width() ? RightEdge : HorizontalMiddle;
    const int vertical = p.y() <= r.top() ? TopEdge : p.y() >= r.top() + r.height() ? BottomEdge : VerticalMiddle;
    return horizontal | vertical;
}

Qt::CursorShape ReportResizableItem::cursorFor(int edges)
{
    switch (edges) {
    case LeftEdge | TopEdge:
    case RightEdge | BottomEdge:
        return Qt::SizeFDiagCursor;
    case HorizontalMiddle | TopEdge:
    case HorizontalMiddle | BottomEdge:
        return Qt::SizeVerCursor;
    case RightEdge | TopEdge:
    case LeftEdge | BottomEdge:
        return Qt::SizeBDiagCursor;
    case LeftEdge | VerticalMiddle:
    case RightEdge | VerticalMiddle:
        return Qt::SizeHorCursor;
    case Inside:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

double ReportResizableItem::frameMargin() const
{
    return 6.0 * handles;
}

void ReportResizableItem::updateSelectionFrame()
{
    prepareGeometryChange();
    frameRects.clear();
    if (!resizable)
        return;
    const double m = frameMargin();
    const QRectF outer = rect().adjusted(-m, -m, m, m);
    frameRects.append(outer);
    const QSizeF handle(m, m);
    for (double fx : {0.0, 0.5, 1.0}) {
        for (double fy : {0.0, 0.5, 1.0}) {
            if (fx == 0.5 && fy == 0.5)
                continue;
            const QPointF centre(outer.left() + fx * outer.width(), outer.top() + fy * outer.height());
            frameRects.append(QRectF(centre - QPointF(m / 2, m / 2), handle));
        }
    }
}

QRectF ReportResizableItem::boundingRect() const
{
    if (!resizable)
        return rect();
    const double m = frameMargin();
    return rect().adjusted(-m, -m, m, m);
}

void ReportResizableItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!isSelected() || frameRects.isEmpty())
        return;
    painter->save();
    painter->setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frameRects.first());
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(Qt::white);
    for (int i = 1; i < frameRects.size(); ++i)
        painter->drawRect(frameRects.at(i));
    painter->restore();
}

bool ReportResizableItem::readResizableAttributes(const QDomElement& element)
{
    setResizable(element.attribute(QStringLiteral("resizable")) == QLatin1String("1"));
    double width = -1.0;
    double height = -1.0;
    ReportXml::readDouble(element, QStringLiteral("width"), width);
    ReportXml::readDouble(element, QStringLiteral("height"), height);
    if (width <= 0.0 || height <= 0.0)
        return false;
    setSize(QSizeF(width, height), RightEdge | BottomEdge);
    updateSelectionFrame();
    return true;
}

void ReportResizableItem::writeResizableAttributes(QDomElement& element, const QSizeF& size) const
{
    if (resizable)
        element.setAttribute(QStringLiteral("resizable"), QStringLiteral("1"));
    if (size.width() > 0.0)
        ReportXml::writeDouble(element, QStringLiteral("width"), size.width());
    if (size.height() > 0.0)
        ReportXml::writeDouble(element, QStringLiteral("height"), size.height());
}

QVariant ReportResizableItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSelectedHasChanged)
        updateSelectionFrame();
    return AbstractReportItem::itemChange(change, value);
}

void ReportResizableItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    setCursor(cursorFor(edgesAt(event->pos(), rect())));
}

void ReportResizableItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    unsetCursor();
    AbstractReportItem::hoverLeaveEvent(event);
}

void ReportResizableItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (!resizable) {
        AbstractReportItem::mousePressEvent(event);
        return;
    }
    pressPosition = pos();
    pressSize = rect().size();
    pressPointer = event->pos();
    dragged = edgesAt(event->pos(), rect());
    setFocus(Qt::MouseFocusReason);
    AbstractReportItem::mousePressEvent(event);
}

void ReportResizableItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!resizable || dragged == Inside || !(event->buttons() & Qt::LeftButton)) {
        AbstractReportItem::mouseMoveEvent(event);
        return;
    }
    dragEdges(mapToParent(event->pos()));
}

// Moves the dragged edges to the pointer; the opposite edges stay where they were at the press.
void ReportResizableItem::dragEdges(const QPointF& parentPoint)
{
    QRectF target(pressPosition, pressSize);
    if (dragged & LeftEdge)
        target.setLeft(qMin(parentPoint.x(), target.right() - 1.0));
    if (dragged & RightEdge)
        target.setRight(qMax(parentPoint.x(), target.left() + 1.0));
    if (dragged & TopEdge)
        target.setTop(qMin(parentPoint.y(), target.bottom() - 1.0));
    if (dragged & BottomEdge)
        target.setBottom(qMax(parentPoint.y(), target.top() + 1.0));
    setSize(target.size(), dragged);
    const QSizeF actual = rect().size();
    QPointF position = pressPosition;
    if (dragged & LeftEdge)
        position.setX(pressPosition.x() + pressSize.width() - actual.width());
    if (dragged & TopEdge)
        position.setY(pressPosition.y() + pressSize.height() - actual.height());
    updateSelectionFrame();
    setPos(position);
}

bool ReportResizableItem::valuesDiffer(double a, double b)
{
    const double epsilon = 1e-12;
    if (qAbs(a) < epsilon)
        a = 0.0;
    if (qAbs(b) < epsilon)
        b = 0.0;
    return qAbs(a - b) > epsilon * qMax(qAbs(a), qAbs(b));
}

void ReportResizableItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    AbstractReportItem::mouseReleaseEvent(event);
    if (!resizable)
        return;
    const QPointF newPosition = pos();
    const QSizeF newSize = rect().size();
    if (valuesDiffer(newPosition.x(), pressPosition.x()) || valuesDiffer(newPosition.y(), pressPosition.y())
        || valuesDiffer(newSize.width(), pressSize.width())
        || valuesDiffer(newSize.height(), pressSize.height())) {
        emit newCommand(new ReportResizableItemCommand(this, pressPosition, pressSize, newPosition, newSize,
                                                       dragged));
        emit modified(true);
    }
}
