#pragma once

#include "AssignedModule.h"
#include "CurveData.h"
#include "STCparameters.h"

// The physical truth that conversions are measured against: one diode with series and shunt
// resistance, fitted by hand to the data sheet of the shipped "Kyocera KC200GT" (54 cells,
// Isc 8.21 A, Voc 32.9 V, Impp 7.61 A, Vmpp 26.3 V, α 0.004926 A/°C, β −0.1168 V/°C): with n = 1.3
// the four data-sheet conditions (Isc, Voc, the maximum power point and dP/dV = 0 there) give the
// photo, saturation, series and shunt values below. The saturation current follows the
// temperature so that Isc and Voc move by α and β.
class SingleDiodeModule
{
public:
    static constexpr double Isc = 8.21;
    static constexpr double Voc = 32.9;
    static constexpr double Impp = 7.61;
    static constexpr double Vmpp = 26.3;
    static constexpr double alpha = 0.004926;
    static constexpr double beta = -0.1168;
    static constexpr double Rs = 0.23076887546741934;
    static constexpr double Rsh = 597.3740360264766;
    static constexpr double photoCurrent = 8.213171749638441;
    static constexpr double saturationCurrent = 9.762897736619219e-08;
    static constexpr double ideality = 1.3;
    static constexpr int cells = 54;

    // One module at irradiance `G` (W/m²) and cell temperature `T` (°C).
    static double current(double voltage, double G, double T);
    static double openCircuitVoltage(double G, double T);
    static double maximumPower(double G, double T);

    // A string of `series` modules in `parallel` strings measured at G and T: `count` points
    // from 0 V to Voc, with readings of G, T, the given ambient temperature, Isc and Voc.
    static CurveData measure(double G, double T, unsigned series, unsigned parallel, double ambient,
                             int count = 100);
    // The module as the database would assign it to such a string.
    static AssignedModule assigned(unsigned series, unsigned parallel);
    // The module's own coefficients for `method`, as assigning it with a fitted Rs would give them.
    static IVCurve::STCparameters coefficients(IVCurve::Method method);

    // The diode law's terms at irradiance `G` and cell temperature `T`, for the whole module.
    static double lightCurrent(double G, double T);
    static double thermalVoltage(double T);
    static double saturationCurrentAt(double T);
};
