#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVariant>

namespace IVCurve {

// Measured numbers live as user-locale text in memory and as C-locale text in the curve file,
// both with 6 significant digits. Non-finite numbers count as not parsing, so "nan" and "inf"
// never reach a computation or a plot.
class CurveNumberText
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveNumberText)

public:
    // User-locale text to what is bound for the file; text that does not parse is kept.
    static QString toStorage(const QString& userText);
    // A stored value to user-locale text; values that do not read as a number are kept as text.
    static QString fromStorage(const QVariant& stored);
    static QString userText(double value);
    static bool parseUser(const QString& text, double& value);
    static bool parseC(const QString& text, double& value);
    // One sentence for a message about a number that did not read: which decimal mark the
    // user's language setting expects, with an example.
    static QString decimalMarkAdvice();
    // The message for a field whose text is not a number: the field's name, what was typed, and
    // the decimal mark advice.
    static QString notANumber(const QString& fieldName, const QString& text);
    // The same for a field that takes a count from 1 to `maximum` or nothing.
    static QString notACount(const QString& fieldName, const QString& text, int maximum);
};

} // namespace IVCurve
