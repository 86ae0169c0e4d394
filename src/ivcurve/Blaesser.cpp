#include "Blaesser.h"

#include "STCparameters.h"

#include <cmath>

namespace IVCurve {

namespace {
double currentFactorOf(const STCparameters& parameters, double iscMeasured, double G, double T)
{
    const double kAlpha = iscMeasured == 0.0 ? 0.0 : STCparameters::number(parameters.alpha) / iscMeasured;
    return (1.0 + kAlpha * (STCAlgorithm::T_STC - T)) * STCAlgorithm::G_STC / G;
}

double voltageShiftOf(const STCparameters& parameters, double G, double T)
{
    return STCparameters::number(parameters.a) * std::log(STCAlgorithm::G_STC / G)
        + STCparameters::number(parameters.b) * (STCAlgorithm::T_STC - T);
}
} // namespace

Blaesser::Blaesser(const STCparameters& parameters, double iscMeasured, double vocMeasured)
    : STCAlgorithm(parameters)
    , vocMeasured(vocMeasured)
    , currentFactor(currentFactorOf(parameters, iscMeasured, G, T))
    , voltageShift(voltageShiftOf(parameters, G, T))
    , Rs(STCparameters::number(parameters.Rs))
{
}

QPointF Blaesser::convertPoint(const CurvePoint&, const QPointF& measured)
{
    const double current = measured.y() * currentFactor;
    const double voltage = measured.x() + vocMeasured * voltageShift + Rs * (measured.y() - current);
    return {voltage, current};
}

} // namespace IVCurve
