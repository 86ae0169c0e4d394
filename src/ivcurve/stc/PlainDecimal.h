#pragma once

#include <QChar>
#include <QString>
#include <QStringRef>

namespace IVCurve {

// Fast paths for the numbers of curve points, which come by the hundred thousand: plain
// decimals such as "-12.345" are read and written without the general conversions, giving the
// very same results; everything else is left to those conversions.
class PlainDecimal
{
public:
    // Reads an optional minus, digits and at most one `decimalPoint` with up to 8 decimals, 15
    // digits in all. False for any other text, which the caller then reads the general way.
    static bool parse(const QStringRef& text, QChar decimalPoint, double& value);
    // Reads up to 9 digits without a sign or a leading zero, or "0" alone. False for any other
    // text, which the caller then reads the general way.
    static bool parseWhole(const QStringRef& text, int& value);
    // Appends `value` as QString::number(value, 'f', 3) writes it.
    static void appendFixed3(QString& text, double value);
    // Appends `value` as QString::number(value) writes it.
    static void appendInteger(QString& text, qint64 value);
};

} // namespace IVCurve
