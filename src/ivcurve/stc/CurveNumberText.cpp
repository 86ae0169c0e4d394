#include "CurveNumberText.h"

#include <QLocale>

#include <cmath>

namespace IVCurve {

namespace {
constexpr int SignificantDigits = 6;

bool finiteNumber(bool parsed, double value)
{
    return parsed && std::isfinite(value);
}
} // namespace

QString CurveNumberText::toStorage(const QString& userText)
{
    double value = 0.0;
    if (!parseUser(userText, value))
        return userText;
    return QLocale::c().toString(value, 'g', SignificantDigits);
}

QString CurveNumberText::fromStorage(const QVariant& stored)
{
    const QString text = stored.toString();
    double value = 0.0;
    return parseC(text, value) ? userText(value) : text;
}

QString CurveNumberText::userText(double value)
{
    return QLocale().toString(value, 'g', SignificantDigits);
}

bool CurveNumberText::parseUser(const QString& text, double& value)
{
    bool ok = false;
    const double parsed = QLocale().toDouble(text, &ok);
    if (!finiteNumber(ok, parsed))
        return false;
    value = parsed;
    return true;
}

bool CurveNumberText::parseC(const QString& text, double& value)
{
    bool ok = false;
    const double parsed = QLocale::c().toDouble(text, &ok);
    if (!finiteNumber(ok, parsed))
        return false;
    value = parsed;
    return true;
}

QString CurveNumberText::decimalMarkAdvice()
{
    const QLocale locale;
    const QString example = locale.toString(12.5);
    if (locale.decimalPoint() == QLatin1Char(','))
        return tr("Your language setting writes decimals with a comma, for example %1.", "Warning Message").arg(example);
    if (locale.decimalPoint() == QLatin1Char('.'))
        return tr("Your language setting writes decimals with a point, for example %1.", "Warning Message").arg(example);
    return tr("Your language setting writes decimals as in %1.", "Warning Message").arg(example);
}

QString CurveNumberText::notANumber(const QString& fieldName, const QString& text)
{
    return tr("The value of %1 is not a number: \"%2\"", "Warning Message").arg(fieldName, text) + QLatin1Char('\n')
        + decimalMarkAdvice();
}

QString CurveNumberText::notACount(const QString& fieldName, const QString& text, int maximum)
{
    return tr("The value of %1 must be a whole number from 1 to %2, or empty: \"%3\"", "Warning Message")
        .arg(fieldName, QString::number(maximum), text);
}

} // namespace IVCurve
