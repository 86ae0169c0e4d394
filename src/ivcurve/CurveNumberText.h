#pragma once

#include <QString>
#include <QVariant>

namespace IVCurve {

// Measured numbers live as user-locale text in memory and as C-locale text in the curve file,
// both with 6 significant digits. Non-finite numbers count as not parsing, so "nan" and "inf"
// never reach a computation or a plot.
class CurveNumberText
{
public:
    // User-locale text to what is bound for the file; text that does not parse is kept.
    static QString toStorage(const QString& userText);
    // A stored value to user-locale text; values that do not read as a number are kept as text.
    static QString fromStorage(const QVariant& stored);
    static QString userText(double value);
    static bool parseUser(const QString& text, double& value);
    static bool parseC(const QString& text, double& value);
};

} // namespace IVCurve
