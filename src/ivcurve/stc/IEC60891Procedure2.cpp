#include "IEC60891Procedure2.h"

#include "AssignedModule.h"
#include "STCparameters.h"

#include <cmath>

namespace IVCurve {

namespace {
double alphaRelativeOf(double alpha, const AssignedModule& module, double iscAtStc)
{
    if (module.moduleId != 0 && module.Isc > 0.0)
        return alpha / module.Isc;
    return iscAtStc == 0.0 ? 0.0 : alpha * module.parallel / iscAtStc;
}

double betaRelativeOf(double beta, const AssignedModule& module, double vocMeasured)
{
    if (module.moduleId != 0 && module.Voc > 0.0)
        return beta / module.Voc;
    return vocMeasured == 0.0 ? 0.0 : beta * module.series / vocMeasured;
}
} // namespace

IEC60891Procedure2::Coefficients IEC60891Procedure2::storedCoefficients(const STCparameters& parameters,
                                                                        const AssignedModule& module,
                                                                        double iscMeasured, double vocMeasured)
{
    const double iscAtStc = iscMeasured * G_STC / irradianceOf(parameters);
    Coefficients stored;
    stored.alphaRelative = alphaRelativeOf(STCparameters::number(parameters.alpha), module, iscAtStc);
    stored.betaRelative = betaRelativeOf(STCparameters::number(parameters.beta), module, vocMeasured);
    stored.Rs = STCparameters::number(parameters.Rs);
    stored.kappa = STCparameters::number(parameters.kappa);
    stored.a = STCparameters::number(parameters.a);
    return stored;
}

IEC60891Procedure2::IEC60891Procedure2(const STCparameters& parameters, const AssignedModule& module,
                                       const Coefficients& coefficients, double vocMeasured)
    : STCAlgorithm(parameters)
    , coefficients(coefficients)
    , series(module.series)
    , parallel(module.parallel)
    , currentFactor((1.0 + coefficients.alphaRelative * (T_STC - T)) * G_STC / G)
    , voltageShift(vocMeasured * (coefficients.betaRelative * (T_STC - T) + coefficients.a * std::log(G_STC / G)))
{
}

QPointF IEC60891Procedure2::convertPoint(const CurvePoint&, const QPointF& measured)
{
    const double deltaT = T_STC - T;
    const double I1 = measured.y();
    const double I2 = I1 * currentFactor;
    const double V2 = measured.x() + voltageShift - series * coefficients.Rs * (I2 - I1) / parallel
        - series * coefficients.kappa * (I2 / parallel) * deltaT;
    return {V2, I2};
}

} // namespace IVCurve
