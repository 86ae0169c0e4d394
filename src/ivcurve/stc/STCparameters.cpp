#include "STCparameters.h"

#include "CurveNumberText.h"

#include <QLocale>

#include <optional>

namespace IVCurve {

namespace {
// The default coefficients as the user's locale writes them. Every curve made or loaded starts
// from them, thousands in an import, so they are written once a locale.
struct DefaultCoefficients
{
    QLocale locale;
    QString a;
    QString b;
    QString alpha;
    QString beta;
    QString delta;
    QString kappa;
    QString Rs;
};

const DefaultCoefficients& defaultCoefficients()
{
    thread_local std::optional<DefaultCoefficients> defaults;
    const QLocale locale;
    if (!defaults || !(defaults->locale == locale))
        defaults = DefaultCoefficients{locale,
                                       CurveNumberText::userText(0.06),
                                       CurveNumberText::userText(-0.004),
                                       CurveNumberText::userText(0.004),
                                       CurveNumberText::userText(-0.15),
                                       CurveNumberText::userText(0.085),
                                       CurveNumberText::userText(0.00125),
                                       CurveNumberText::userText(0.35)};
    return *defaults;
}
} // namespace

STCparameters::STCparameters()
    : cellTemperature(QStringLiteral("25"))
    , irradiance(QStringLiteral("1000"))
{
    const DefaultCoefficients& defaults = defaultCoefficients();
    a = defaults.a;
    b = defaults.b;
    alpha = defaults.alpha;
    beta = defaults.beta;
    delta = defaults.delta;
    kappa = defaults.kappa;
    Rs = defaults.Rs;
}

double STCparameters::number(const QString& text)
{
    double value = 0.0;
    return CurveNumberText::parseUser(text, value) ? value : 0.0;
}

} // namespace IVCurve
