#include "STCAlgorithm.h"

#include "STCparameters.h"

namespace IVCurve {

namespace {
// A reading of exactly 0 counts as missing, like one that does not parse.
double temperatureOr(const QString& text, double fallback)
{
    const double value = STCparameters::number(text);
    return value == 0.0 ? fallback : value;
}

// So does a negative irradiance, which no sensor gives and whose logarithm is undefined.
double irradianceOr(const QString& text, double fallback)
{
    const double value = STCparameters::number(text);
    return value > 0.0 ? value : fallback;
}
} // namespace

STCAlgorithm::STCAlgorithm(const STCparameters& parameters)
    : parameters(parameters)
    , G(irradianceOf(parameters))
    , T(temperatureOr(parameters.cellTemperature, T_STC))
{
}

double STCAlgorithm::irradianceOf(const STCparameters& parameters)
{
    return irradianceOr(parameters.irradiance, G_STC);
}

double STCAlgorithm::irradiance() const
{
    return G;
}

double STCAlgorithm::temperature() const
{
    return T;
}

} // namespace IVCurve
