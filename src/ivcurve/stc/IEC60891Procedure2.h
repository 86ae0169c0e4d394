#pragma once

#include "STCAlgorithm.h"

struct AssignedModule;

namespace IVCurve {

// IEC 60891 procedure 2, for a string of `series` modules and `parallel` strings: the current
// scales with relative coefficients, the voltage moves with the measured open-circuit voltage and
// the logarithm of the irradiance ratio. It converts from the curve's one irradiance, never the
// points' own, because its voltage term rests on one Voc measured at one irradiance.
class IEC60891Procedure2 : public STCAlgorithm
{
public:
    // The coefficients of one module; Rs and kappa act on the current of one string.
    struct Coefficients
    {
        double alphaRelative = 0.0; // α / Isc of the data sheet, 1/°C
        double betaRelative = 0.0;  // β / Voc of the data sheet, 1/°C
        double Rs = 0.0;            // Rs', Ω
        double kappa = 0.0;         // κ', Ω/°C
        double a = 0.06;            // irradiance correction factor
    };

    // What the curve's settings give until the user enters the coefficients: α and β relative to
    // the assigned module's Isc and Voc (without a module, to the measured string's values brought
    // to STC by the irradiance alone), Rs' from STC_Rs, κ' from STC_K and a from STC_a.
    static Coefficients storedCoefficients(const STCparameters& parameters, const AssignedModule& module,
                                           double iscMeasured, double vocMeasured);

    // `vocMeasured` is the open-circuit voltage of the measured string (Voc1).
    IEC60891Procedure2(const STCparameters& parameters, const AssignedModule& module,
                       const Coefficients& coefficients, double vocMeasured);

    QPointF convertPoint(const CurvePoint& point, const QPointF& measured) override;

private:
    const Coefficients coefficients;
    const double series;
    const double parallel;
    const double currentFactor;
    const double voltageShift;
};

} // namespace IVCurve
