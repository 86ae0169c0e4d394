#pragma once

#include "STCAlgorithm.h"

struct AssignedModule;

namespace IVCurve {

// IEC 60891 procedure 4, for a string of `series` modules and `parallel` strings: the current
// rises as in procedure 1, and the voltage follows the temperature through the cells' bandgap,
// so that no voltage coefficient and no κ are needed. It converts from the curve's one irradiance.
class IEC60891Procedure4 : public STCAlgorithm
{
public:
    static constexpr double CrystallineSiliconBandgap = 1.232;
    // Open-circuit voltage of one crystalline cell at STC, from which cellsInSeries is guessed
    // when nobody has entered it.
    static constexpr double TypicalCellVoc = 0.62;
    // The commonest layout, for a module whose open-circuit voltage is unknown.
    static constexpr int DefaultCellsInSeries = 60;

    // The coefficients of one module; Rs acts on the current of one string.
    struct Coefficients
    {
        double alpha = 0.0;                          // α, A/°C
        double Rs = 0.0;                             // Ω
        int cellsInSeries = DefaultCellsInSeries;    // N, cells in series in one module
        double bandgap = CrystallineSiliconBandgap;  // ε, V
    };

    // What the curve's settings give: α from STC_alpha, Rs from STC_Rs, ε as entered or the
    // bandgap of crystalline silicon, and N as entered for the curve, else the module database's,
    // else the module's Voc over TypicalCellVoc, rounded; the module's Voc is the data sheet's, or
    // without a module the measured string's Voc over the modules in series; DefaultCellsInSeries
    // without any Voc.
    static Coefficients storedCoefficients(const STCparameters& parameters, const AssignedModule& module,
                                           double vocMeasured);
    static int cellsInSeriesFor(double moduleVoc);

    // `iscMeasured` is the short-circuit current of the measured string (Isc1).
    IEC60891Procedure4(const STCparameters& parameters, const AssignedModule& module,
                       const Coefficients& coefficients, double iscMeasured);

    QPointF convertPoint(const CurvePoint& point, const QPointF& measured) override;

private:
    const Coefficients coefficients;
    const double series;
    const double parallel;
    const double currentRise;
};

} // namespace IVCurve
