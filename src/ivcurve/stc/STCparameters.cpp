#include "STCparameters.h"

#include "CurveNumberText.h"

#include <QLocale>

namespace IVCurve {

STCparameters::STCparameters()
    : a(CurveNumberText::userText(0.06))
    , b(CurveNumberText::userText(-0.004))
    , alpha(CurveNumberText::userText(0.004))
    , beta(CurveNumberText::userText(-0.15))
    , delta(CurveNumberText::userText(0.085))
    , kappa(CurveNumberText::userText(0.00125))
    , Rs(CurveNumberText::userText(0.35))
    , bandgap(CurveNumberText::userText(1.232))
    , cellTemperature(QStringLiteral("25"))
    , irradiance(QStringLiteral("1000"))
{
}

double STCparameters::number(const QString& text)
{
    double value = 0.0;
    return CurveNumberText::parseUser(text, value) ? value : 0.0;
}

int STCparameters::count(const QString& text)
{
    bool ok = false;
    const int value = QLocale().toInt(text.trimmed(), &ok);
    return ok && value > 0 ? value : 0;
}

} // namespace IVCurve
