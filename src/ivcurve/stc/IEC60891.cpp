#include "IEC60891.h"

#include "AssignedModule.h"
#include "STCparameters.h"

namespace IVCurve {

IEC60891::IEC60891(const STCparameters& parameters, const AssignedModule& module, double isc, double firstIrradiance)
    : STCAlgorithm(parameters)
    , module(module)
    , isc(isc)
    , G1(firstIrradiance == 0.0 ? G : firstIrradiance)
    , alpha(STCparameters::number(parameters.alpha))
    , beta(STCparameters::number(parameters.beta))
    , Rs(STCparameters::number(parameters.Rs))
    , kappa(STCparameters::number(parameters.kappa))
    , lastPointIrradiance(G)
{
}

// The rise of the current from the measured to the STC irradiance, before the temperature term.
double IEC60891::currentRise(const CurvePoint& point)
{
    if (!parameters.usePointIrradiance)
        return isc * (G_STC / G - 1.0);
    if (point.irradiance > 0.0)
        lastPointIrradiance = point.irradiance;
    const double g = lastPointIrradiance;
    return isc * (g / G1) * (G_STC / g - 1.0);
}

QPointF IEC60891::convertPoint(const CurvePoint& point, const QPointF& measured)
{
    const double Ns = module.series;
    const double Np = module.parallel;
    const double deltaT = T_STC - T;

    const double I1 = measured.y();
    const double I2 = I1 + currentRise(point) + alpha * Np * deltaT;
    // Rs and kappa are those of one module, so they see the current of one string.
    const double V2 = measured.x() + Ns * (beta * deltaT - Rs * (I2 - I1) / Np - kappa * (I2 / Np) * deltaT);
    return {V2, I2};
}

} // namespace IVCurve
