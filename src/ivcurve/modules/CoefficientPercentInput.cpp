#include "CoefficientPercentInput.h"

#include "CurveMessageBox.h"
#include "CurveNumberText.h"
#include "Prompts.h"

#include <QLocale>

#include <cmath>

namespace IVCurve {

namespace {
constexpr int percentDecimals = 4;
constexpr double decimalScale = 10000.0;

double lowestPercentage(CoefficientPercentInput::Coefficient coefficient)
{
    return coefficient == CoefficientPercentInput::Alpha ? 0.0 : -100.0;
}

double highestPercentage(CoefficientPercentInput::Coefficient coefficient)
{
    return coefficient == CoefficientPercentInput::Alpha ? 100.0 : 0.0;
}
} // namespace

bool CoefficientPercentInput::ask(QWidget* parent, Coefficient coefficient, const QString& referenceText,
                                  QString& coefficientText)
{
    double reference = 0.0;
    // A zero reference would turn every percentage into zero and the shown one into infinity.
    if (!CurveNumberText::parseUser(referenceText, reference) || reference == 0.0) {
        CurveMessageBox::warning(parent, coefficient == Alpha ? tr("Isc is missing or zero", "Warning Message")
                                                           : tr("Voc is missing or zero", "Warning Message"));
        return false;
    }
    double current = 0.0;
    CurveNumberText::parseUser(coefficientText, current);
    QString text = QLocale().toString(current / reference * 100.0, 'f', percentDecimals);
    if (!Prompts::instance().inputText(parent, QStringLiteral("Arventa"),
                                       tr("Enter value in percent per centigrade", "User prompt"), text))
        return false;
    double percentage = 0.0;
    if (!readPercentage(parent, coefficient, text, percentage))
        return false;
    coefficientText = CurveNumberText::userText(percentage / 100.0 * reference);
    return true;
}

bool CoefficientPercentInput::readPercentage(QWidget* parent, Coefficient coefficient, const QString& text,
                                             double& percentage)
{
    const double lowest = lowestPercentage(coefficient);
    const double highest = highestPercentage(coefficient);
    double read = 0.0;
    const bool readable = CurveNumberText::parseUser(text, read);
    if (readable && read >= lowest && read <= highest) {
        // The box offers four decimals; more typed digits are not kept.
        percentage = std::round(read * decimalScale) / decimalScale;
        return true;
    }
    const QString range = tr("\"%1\" is not a percentage from %2 to %3.", "Warning Message")
                              .arg(text, QLocale().toString(lowest), QLocale().toString(highest));
    CurveMessageBox::warning(parent, readable ? range : range + QLatin1Char('\n') + CurveNumberText::decimalMarkAdvice());
    return false;
}

} // namespace IVCurve
