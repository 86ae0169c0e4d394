#include "AbstractReportItem.h"

#include "ReportScene.h"
#include "ReportXml.h"

using namespace ReportXml;

AbstractReportItem::AbstractReportItem(QGraphicsItem* parent)
    : QGraphicsObject(parent)
{
}

bool AbstractReportItem::isNavigable() const
{
    return false;
}

QString AbstractReportItem::id() const
{
    return itemId;
}

AbstractReportItem* AbstractReportItem::fromGraphicsItem(QGraphicsItem* item)
{
    return item && item->type() > UserType ? static_cast<AbstractReportItem*>(item) : nullptr;
}

AbstractReportItem* AbstractReportItem::parentReportItem() const
{
    return fromGraphicsItem(parentItem());
}

ReportScene* AbstractReportItem::reportScene() const
{
    return qobject_cast<ReportScene*>(scene());
}

QFont AbstractReportItem::displayFont() const
{
    QFont font(family);
    const double dpi = ReportScene::screenDpiY();
    font.setPointSizeF(qFuzzyCompare(dpi, 96.0) || dpi <= 0.0 ? pointSize : pointSize * 96.0 / dpi);
    font.setWeight(weight);
    return font;
}

QRectF AbstractReportItem::boundingRect() const
{
    return QRectF();
}

void AbstractReportItem::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

bool AbstractReportItem::fromXml(const QDomElement& element, bool valuesOnly, const BlobList&)
{
    // A values element matched by position (a table cell) carries no id; the template's stays.
    if (!valuesOnly || element.hasAttribute(QStringLiteral("id")))
        itemId = element.attribute(QStringLiteral("id"));
    if (valuesOnly)
        return true;
    readInheritedAttributes(element);
    QPointF position = pos();
    double x = position.x();
    double y = position.y();
    readDouble(element, QStringLiteral("x"), x);
    readDouble(element, QStringLiteral("y"), y);
    setPos(x, y);
    return true;
}

bool AbstractReportItem::toXml(QDomElement& element, bool valuesOnly, BlobList&)
{
    if (!itemId.isEmpty())
        element.setAttribute(QStringLiteral("id"), itemId);
    if (valuesOnly)
        return true;
    writeSetAttributes(element);
    writeDouble(element, QStringLiteral("x"), pos().x());
    writeDouble(element, QStringLiteral("y"), pos().y());
    return true;
}

void AbstractReportItem::readInheritedAttributes(const QDomElement& element)
{
    const AbstractReportItem* parent = parentReportItem();
    auto given = [&](const QString& name, AttributeFlag flag) {
        if (element.attribute(name).isEmpty())
            return false;
        attributeMask |= flag;
        return true;
    };
    // A malformed value counts as given (so it is written back as the default) but keeps the
    // inherited value, which is what the user saw.
    if (parent) {
        editable = parent->editable;
        textColour = parent->textColour;
        fillColour = parent->fillColour;
        family = parent->family;
        pointSize = parent->pointSize;
        weight = parent->weight;
        margin = parent->margin;
    }
    if (given(QStringLiteral("editable"), EditableSet))
        editable = element.attribute(QStringLiteral("editable")) == QLatin1String("1");
    if (given(QStringLiteral("colour"), ColourSet))
        readColour(element, QStringLiteral("colour"), textColour);
    if (given(QStringLiteral("backgroundColour"), BackgroundColourSet))
        readColour(element, QStringLiteral("backgroundColour"), fillColour);
    if (given(QStringLiteral("font"), FontSet))
        family = element.attribute(QStringLiteral("font"));
    if (given(QStringLiteral("fontSize"), FontSizeSet))
        readDouble(element, QStringLiteral("fontSize"), pointSize);
    if (given(QStringLiteral("fontWeight"), FontWeightSet))
        readInt(element, QStringLiteral("fontWeight"), weight);
    if (given(QStringLiteral("padding"), PaddingSet))
        readDouble(element, QStringLiteral("padding"), margin);
}

void AbstractReportItem::writeSetAttributes(QDomElement& element) const
{
    if (attributeMask & EditableSet)
        element.setAttribute(QStringLiteral("editable"), editable ? QStringLiteral("1") : QStringLiteral("0"));
    if (attributeMask & ColourSet)
        element.setAttribute(QStringLiteral("colour"), formatColour(textColour));
    if (attributeMask & BackgroundColourSet)
        element.setAttribute(QStringLiteral("backgroundColour"), formatColour(fillColour));
    if (attributeMask & FontSet)
        element.setAttribute(QStringLiteral("font"), family);
    if (attributeMask & FontSizeSet)
        writeDouble(element, QStringLiteral("fontSize"), pointSize);
    if (attributeMask & FontWeightSet)
        element.setAttribute(QStringLiteral("fontWeight"), weight);
    if (attributeMask & PaddingSet)
        writeDouble(element, QStringLiteral("padding"), margin);
}
