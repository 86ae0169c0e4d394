#include "CurvePointsCodec.h"

#include "CurveData.h"
#include "PlainDecimal.h"

#include <QVector>

#include <cmath>

namespace IVCurve {

namespace {
constexpr QChar PointSeparator = QLatin1Char('#');
constexpr QChar FieldSeparator = QLatin1Char(':');
constexpr double MissingIrradiance = 1000.0;

bool parseField(const QStringRef& text, double& value)
{
    if (PlainDecimal::parse(text, QLatin1Char('.'), value))
        return true;
    bool ok = false;
    const double parsed = text.toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

// The fields of one point, taken one after another without splitting the part into a list:
// a curve file holds hundreds of thousands of them.
class FieldReader
{
public:
    explicit FieldReader(const QStringRef& part)
        : part(part)
    {
    }

    // Reads the next field into `value`; false once a field is missing or does not parse, after
    // which the point keeps its defaults for the rest of its fields.
    bool read(double& value)
    {
        if (position > part.size())
            return false;
        int end = part.indexOf(FieldSeparator, position);
        if (end < 0)
            end = part.size();
        const QStringRef field = part.mid(position, end - position);
        position = end + 1;
        return parseField(field, value);
    }

private:
    const QStringRef part;
    int position = 0;
};

void decodePoint(const QStringRef& part, CurveData& curve)
{
    FieldReader fields(part);
    double voltage = 0.0;
    double current = 0.0;
    double irradiance = MissingIrradiance;
    if (fields.read(voltage) && fields.read(current))
        fields.read(irradiance);
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
        PlainDecimal::appendFixed3(text, points.at(i).x());
        text += FieldSeparator;
        PlainDecimal::appendFixed3(text, points.at(i).y());
        text += FieldSeparator;
        PlainDecimal::appendFixed3(text, info.at(i).irradiance);
        text += FieldSeparator;
        PlainDecimal::appendInteger(text, info.at(i).tag);
    }
    return text;
}

void CurvePointsCodec::decode(const QString& text, CurveData& curve)
{
    if (text.isEmpty())
        return;
    curve.reserve(text.count(PointSeparator) + 1);
    int start = 0;
    while (true) {
        const int end = text.indexOf(PointSeparator, start);
        decodePoint(text.midRef(start, end < 0 ? -1 : end - start), curve);
        if (end < 0)
            return;
        start = end + 1;
    }
}

} // namespace IVCurve
