#include "Anderson.h"

#include "AssignedModule.h"
#include "STCparameters.h"

#include <cmath>

namespace IVCurve {

Anderson::Anderson(const STCparameters& parameters, const AssignedModule& module, double isc, double voc)
    : STCAlgorithm(parameters)
    , module(module)
    , isc(isc)
    , voc(voc)
    , alpha(STCparameters::number(parameters.alpha))
    , beta(STCparameters::number(parameters.beta))
    , delta(STCparameters::number(parameters.delta))
    , currentG(G)
{
    prepare();
}

void Anderson::prepare()
{
    const double Ns = module.series;
    const double Np = module.parallel;
    const bool hasModule = module.moduleId != 0;

    if (hasModule && module.Isc > 0.0)
        alphaRelative = alpha / module.Isc;
    else if (isc != 0.0)
        alphaRelative = alpha * Np / ((G_STC / currentG) * isc);

    if (hasModule && module.Voc > 0.0)
        betaRelative = beta * Ns / (0.5 * (Ns * module.Voc + voc));
    else if (voc != 0.0)
        betaRelative = beta * Ns / voc;

    const double d1 = (1.0 + alphaRelative * (T - T_STC)) * (currentG / G_STC);
    if (d1 != 0.0)
        iscStc = isc / d1;
    const double d2 = (1.0 + delta * std::log(currentG / G_STC)) * (1.0 + betaRelative * (T - T_STC));
    if (d2 != 0.0)
        vocStc = voc / d2;
}

QPointF Anderson::convertPoint(const CurvePoint& point, const QPointF& measured)
{
    if (parameters.usePointIrradiance) {
        if (point.irradiance > 0.0)
            currentG = point.irradiance;
        prepare();
    }
    if (isc == 0.0 || voc == 0.0)
        return {0.0, 0.0};
    return {measured.x() * vocStc / voc, measured.y() * iscStc / isc};
}

double Anderson::iscAtStc() const
{
    return iscStc;
}

double Anderson::vocAtStc() const
{
    return vocStc;
}

} // namespace IVCurve
