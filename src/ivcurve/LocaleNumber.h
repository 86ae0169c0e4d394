#pragma once

#include <QString>

namespace IVCurve {

// Numbers as the user reads and types them in the curve windows: the default locale, 6
// significant digits. Group separators are refused when reading, so that "1.234" typed in a
// locale with a decimal comma is an error instead of silently becoming 1234.
class LocaleNumber
{
public:
    static QString text(double value);
    // False, leaving `value` as it was, when `text` is not a number in the default locale.
    static bool read(const QString& text, double& value);
};

} // namespace IVCurve
