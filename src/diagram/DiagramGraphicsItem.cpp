#include "DiagramGraphicsItem.h"

#include <QDomElement>

DiagramGraphicsItem::DiagramGraphicsItem(const QString& id, QGraphicsItem* parent)
    : QGraphicsObject(parent)
    , itemId(id)
{
}

QString DiagramGraphicsItem::id() const
{
    return itemId;
}

void DiagramGraphicsItem::setId(const QString& id)
{
    itemId = id;
}

int DiagramGraphicsItem::type() const
{
    return Type;
}

QString DiagramGraphicsItem::displayName() const
{
    return QString();
}

QString DiagramGraphicsItem::elementName() const
{
    return QString();
}

void DiagramGraphicsItem::writeXml(QXmlStreamWriter&) const
{
}

void DiagramGraphicsItem::readXml(const QDomElement& element)
{
    itemId = element.attribute(QStringLiteral("id"));
}

void DiagramGraphicsItem::setModified()
{
    emit modified();
}
