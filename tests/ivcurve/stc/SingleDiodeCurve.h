#pragma once

#include "CurveData.h"

// A string of the single-diode module with the faults a diagnosis looks for: more series
// resistance, less shunt resistance, and shaded sub-strings whose bypass diodes take over. Each
// module is three sub-strings of a third of its cells, each with its own bypass diode; the string
// voltage at a current is the sum of the sub-strings' voltages, so the curve is found by
// bisection on the current.
class SingleDiodeCurve
{
public:
    static constexpr int subStringsPerModule = 3;
    // Forward voltage of a conducting bypass diode, V.
    static constexpr double bypassVoltage = 0.5;

    SingleDiodeCurve(unsigned series, unsigned parallel);

    // Of one module, Ω.
    double seriesResistance;
    double shuntResistance;
    // How many of the string's sub-strings are shaded, and the share of the light they still get.
    int shadedSubStrings = 0;
    double shadedLight = 1.0;

    // Of the whole string, at irradiance `G` (W/m²) and cell temperature `T` (°C).
    double voltage(double current, double G, double T) const;
    double current(double voltage, double G, double T) const;
    // `count` points from 0 V to Voc with the readings of G, T, Isc and Voc and the module assigned.
    CurveData measure(double G, double T, int count = 100) const;

private:
    double subStringVoltage(double stringCurrent, double light) const;

    const unsigned series;
    const unsigned parallel;
};
