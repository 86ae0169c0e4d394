#pragma once

#include "STCAlgorithm.h"

struct AssignedModule;

namespace IVCurve {

// Blässer's method: scales the current by irradiance and temperature and shifts the voltage by
// the string's open-circuit voltage. It reads the module only for the string's layout and the
// module's Isc, never the point irradiance.
class Blaesser : public STCAlgorithm
{
public:
    Blaesser(const STCparameters& parameters, const AssignedModule& module, double iscMeasured, double vocMeasured);

    QPointF convertPoint(const CurvePoint& point, const QPointF& measured) override;

private:
    const double vocMeasured;
    const double currentFactor;
    const double voltageShift;
    const double stringRs;
};

} // namespace IVCurve
