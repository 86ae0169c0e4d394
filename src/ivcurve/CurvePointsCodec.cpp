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

// The fields as this program writes them, a sign, digits and up to a few decimals, read without
// the general conversion: a mantissa of at most 15 digits and a power of ten are both exact, so
// their quotient is the correctly rounded value, the same as the general conversion gives.
bool parsePlainDecimal(const QStringRef& text, double& value)
{
    static constexpr double powersOfTen[] = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    constexpr int MaxDigits = 15;
    const QChar* c = text.constData();
    const QChar* const end = c + text.size();
    const bool negative = c != end && *c == QLatin1Char('-');
    if (negative)
        ++c;
    qint64 mantissa = 0;
    int digits = 0;
    int decimals = -1;
    for (; c != end; ++c) {
        if (*c == QLatin1Char('.') && decimals < 0) {
            decimals = 0;
            continue;
        }
        const int digit = c->unicode() - '0';
        if (digit < 0 || digit > 9 || ++digits > MaxDigits)
            return false;
        mantissa = mantissa * 10 + digit;
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0 || decimals > 8)
        return false;
    const double magnitude = double(mantissa) / powersOfTen[decimals < 0 ? 0 : decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

bool parseField(const QStringRef& text, double& value)
{
    if (parsePlainDecimal(text, value))
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
        text += fixed3(points.at(i).x()) + FieldSeparator + fixed3(points.at(i).y()) + FieldSeparator
            + fixed3(info.at(i).irradiance) + FieldSeparator + QString::number(info.at(i).tag);
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
