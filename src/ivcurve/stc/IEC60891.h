#pragma once

#include "STCAlgorithm.h"

struct AssignedModule;

namespace IVCurve {

// IEC 60891 procedure 1, for a string of `series` modules and `parallel` strings.
class IEC60891 : public STCAlgorithm
{
public:
    // `firstIrradiance` of 0 stands for the irradiance of the parameters.
    IEC60891(const STCparameters& parameters, const AssignedModule& module, double isc, double firstIrradiance);

    QPointF convertPoint(const CurvePoint& point, const QPointF& measured) override;

private:
    double currentRise(const CurvePoint& point);

    const AssignedModule& module;
    const double isc;
    const double G1;
    const double alpha;
    const double beta;
    const double Rs;
    const double kappa;
    double lastPointIrradiance;
};

} // namespace IVCurve
