#pragma once

#include "STCAlgorithm.h"

namespace IVCurve {

// Blässer's method: scales the current by irradiance and temperature and shifts the voltage by
// the string's open-circuit voltage. It reads neither the module nor the point irradiance.
class Blaesser : public STCAlgorithm
{
public:
    Blaesser(const STCparameters& parameters, double iscMeasured, double vocMeasured);

    QPointF convertPoint(const CurvePoint& point, const QPointF& measured) override;

private:
    const double vocMeasured;
    const double currentFactor;
    const double voltageShift;
    const double Rs;
};

} // namespace IVCurve
