#include "CurvePointsCodec.h"

#include "CurveData.h"

#include <QVector>

#include <cmath>

namespace IVCurve {

namespace {
constexpr QChar PointSeparator = QLatin1Char('#');
constexpr QChar FieldSeparator = QLatin1Char(':');
constexpr double MissingIrradiance = 1000.0;

QString fixed3(double value)
{
    return QString::number(value, 'f', 3);
}

// Reads the next field into `value`; false once a field is missing or does not parse, after
// which the point keeps its defaults for the rest of its fields.
bool readField(const QVector<QStringRef>& fields, int index, double& value)
{
    if (index >= fields.size())
        return false;
    bool ok = false;
    const double parsed = fields.at(index).toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

void decodePoint(const QStringRef& part, CurveData& curve)
{
    const QVector<QStringRef> fields = part.split(FieldSeparator);
    double voltage = 0.0;
    double current = 0.0;
    double irradiance = MissingIrradiance;
    if (readField(fields, 0, voltage) && readField(fields, 1, current))
        readField(fields, 2, irradiance);
    // The tag is not kept from the file: loaded points are always tagged 0.
    curve.addPoint(voltage, current, irradiance, 0);
}
} // namespace

QString CurvePointsCodec::encode(const CurveData& curve)
{
    QString text;
    const QVector<QPointF>& points = curve.points();
    const QVector<CurvePoint>& info = curve.pointInfo();
    text.reserve(points.size() * 28);
    for (int i = 0; i < points.size(); ++i) {
        if (i > 0)
            text += PointSeparator;
        text += fixed3(points.at(i).x()) + FieldSeparator + fixed3(points.at(i).y()) + FieldSeparator
            + fixed3(info.at(i).irradiance) + FieldSeparator + QString::number(info.at(i).tag);
    }
    return text;
}

void CurvePointsCodec::decode(const QString& text, CurveData& curve)
{
    if (text.isEmpty())
        return;
    const QVector<QStringRef> parts = text.splitRef(PointSeparator);
    for (const QStringRef& part : parts)
        decodePoint(part, curve);
}

} // namespace IVCurve
