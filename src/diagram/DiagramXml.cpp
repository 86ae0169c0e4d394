#include "DiagramXml.h"

#include <QDomElement>
#include <QPointF>
#include <QXmlStreamWriter>

#include <cmath>

double DiagramXml::readReal(const QDomElement& element, const QString& attribute, double fallback)
{
    bool ok = false;
    const double value = element.attribute(attribute).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return fallback;
    return qBound(-coordinateLimit, value, coordinateLimit);
}

QString DiagramXml::realText(double value)
{
    // Twelve digits keep every position the editor can produce and never switch to exponents
    // within the coordinate limit.
    return QString::number(value, 'g', 12);
}

void DiagramXml::writePosition(QXmlStreamWriter& writer, const QPointF& position)
{
    writer.writeAttribute(QStringLiteral("x"), realText(position.x()));
    writer.writeAttribute(QStringLiteral("y"), realText(position.y()));
}
