#include "PlainDecimal.h"

#include <cmath>

namespace IVCurve {

// A mantissa of at most 15 digits and a power of ten are both exact doubles, so their quotient is
// the correctly rounded value, the same as the general conversion gives.
bool PlainDecimal::parse(const QStringRef& text, QChar decimalPoint, double& value)
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
        if (*c == decimalPoint && decimals < 0) {
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

bool PlainDecimal::parseWhole(const QStringRef& text, int& value)
{
    constexpr int MaxDigits = 9;
    if (text.isEmpty() || text.size() > MaxDigits || (text.size() > 1 && text.at(0) == QLatin1Char('0')))
        return false;
    int whole = 0;
    for (const QChar character : text) {
        const int digit = character.unicode() - '0';
        if (digit < 0 || digit > 9)
            return false;
        whole = whole * 10 + digit;
    }
    value = whole;
    return true;
}

// The product with 1000 is off by far less than 1e-6 below a billion, so the rounding direction
// is certain unless the value lies next to a tie; ties and huge values take the general way.
void PlainDecimal::appendFixed3(QString& text, double value)
{
    const double magnitude = std::fabs(value);
    const double scaled = magnitude * 1000.0;
    const double whole = std::floor(scaled);
    if (!(magnitude < 1e9) || std::fabs(scaled - whole - 0.5) < 1e-6) {
        text += QString::number(value, 'f', 3);
        return;
    }
    const qint64 thousandths = qint64(whole) + (scaled - whole > 0.5 ? 1 : 0);
    // Written backwards into one buffer, so that the text grows once a number.
    char digits[24];
    char* const end = digits + sizeof digits;
    char* first = end;
    qint64 rest = thousandths;
    for (int decimal = 0; decimal < 3; ++decimal, rest /= 10)
        *--first = char('0' + rest % 10);
    *--first = '.';
    do {
        *--first = char('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        *--first = '-';
    text += QLatin1String(first, int(end - first));
}

void PlainDecimal::appendInteger(QString& text, qint64 value)
{
    char digits[21];
    char* const end = digits + sizeof digits;
    char* first = end;
    // Negated one digit at a time so that the smallest value needs no special case.
    qint64 rest = value;
    do {
        const int digit = int(rest % 10);
        *--first = char('0' + (digit < 0 ? -digit : digit));
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        text += QLatin1Char('-');
    text += QLatin1String(first, int(end - first));
}

} // namespace IVCurve
