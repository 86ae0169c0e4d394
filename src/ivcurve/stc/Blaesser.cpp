#include "Blaesser.h"

#include "AssignedModule.h"
#include "STCparameters.h"

#include <cmath>

namespace IVCurve {

namespace {
// α belongs to one module, so it is made relative to one module's Isc. Without a data sheet the
// measured current of one string stands in for it.
double relativeAlpha(const STCparameters& parameters, const AssignedModule& module, double iscMeasured)
{
    const double alpha = STCparameters::number(parameters.alpha);
    if (module.moduleId != 0 && module.Isc > 0.0)
        return alpha / module.Isc;
    return iscMeasured == 0.0 ? 0.0 : alpha * module.parallel / iscMeasured;
}

double currentFactorOf(double kAlpha, double G, double T)
{
    return (1.0 + kAlpha * (STCAlgorithm::T_STC - T)) * STCAlgorithm::G_STC / G;
}

double voltageShiftOf(const STCparameters& parameters, double G, double T)
{
    return STCparameters::number(parameters.a) * std::log(STCAlgorithm::G_STC / G)
        + STCparameters::number(parameters.b) * (STCAlgorithm::T_STC - T);
}

// Rs is that of one module: the string's modules add it up, its parallel strings share it.
double stringRsOf(const STCparameters& parameters, const AssignedModule& module)
{
    return STCparameters::number(parameters.Rs) * module.series / module.parallel;
}
} // namespace

Blaesser::Blaesser(const STCparameters& parameters, const AssignedModule& module, double iscMeasured,
                   double vocMeasured)
    : STCAlgorithm(parameters)
    , vocMeasured(vocMeasured)
    , currentFactor(currentFactorOf(relativeAlpha(parameters, module, iscMeasured), G, T))
    , voltageShift(voltageShiftOf(parameters, G, T))
    , stringRs(stringRsOf(parameters, module))
{
}

QPointF Blaesser::convertPoint(const CurvePoint&, const QPointF& measured)
{
    const double current = measured.y() * currentFactor;
    const double voltage = measured.x() + vocMeasured * voltageShift + stringRs * (measured.y() - current);
    return {voltage, current};
}

} // namespace IVCurve
