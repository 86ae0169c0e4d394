#include "STCparameters.h"

#include "CurveNumberText.h"
#include "IEC60891Procedure4.h"

#include <QLocale>
#include <QStringList>

#include <optional>

namespace IVCurve {

namespace {
// The default coefficients as the user's locale writes them. Every curve made or loaded starts
// from them, thousands in an import, so they are written once a locale.
struct DefaultCoefficients
{
    QLocale locale;
    QStringList texts;
};

// In the order a, b, alpha, beta, delta, kappa, Rs, bandgap.
const QStringList& defaultCoefficients()
{
    static constexpr double values[] = {0.06, -0.004, 0.004, -0.15, 0.085, 0.00125, 0.35,
                                        IEC60891Procedure4::CrystallineSiliconBandgap};
    thread_local std::optional<DefaultCoefficients> defaults;
    const QLocale locale;
    if (!defaults || !(defaults->locale == locale)) {
        defaults = DefaultCoefficients{locale, {}};
        for (double value : values)
            defaults->texts << CurveNumberText::userText(value);
    }
    return defaults->texts;
}
} // namespace

STCparameters::STCparameters()
    : cellTemperature(QStringLiteral("25"))
    , irradiance(QStringLiteral("1000"))
{
    const QStringList& texts = defaultCoefficients();
    QString* const coefficients[] = {&a, &b, &alpha, &beta, &delta, &kappa, &Rs, &bandgap};
    for (int i = 0; i < texts.size(); ++i)
        *coefficients[i] = texts.at(i);
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
