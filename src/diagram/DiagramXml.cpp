#include "DiagramXml.h"

#include <QDomElement>

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
