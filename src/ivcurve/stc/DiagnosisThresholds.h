#pragma once

namespace IVCurve {

// The limits of the curve diagnosis. Shares are fractions (0.05 = 5 %).
struct DiagnosisThresholds
{
    // Measured over expected maximum power, and power at STC over nominal power, flagged below.
    double performanceFactor = 0.95;
    double stcRatio = 0.95;
    // A step must drop the current by more than this share of Isc.
    double stepDrop = 0.05;
    // The slope near Voc is flagged above this multiple of the string's series resistance.
    double seriesResistanceFactor = 2.0;
    // Flagged when the current falls by more than shuntDrop of Isc over the first
    // shuntVoltageShare of Voc.
    double shuntDrop = 0.03;
    double shuntVoltageShare = 0.2;
    // A string whose power at STC lies more than this share below its siblings' median.
    double siblingShortfall = 0.05;
    // W/m²; below it every finding is uncertain.
    double lowIrradiance = 400.0;
};

} // namespace IVCurve
