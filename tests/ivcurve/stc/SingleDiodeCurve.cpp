#include "SingleDiodeCurve.h"

#include "SingleDiodeModule.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
QString text(double value)
{
    return QLocale().toString(value, 'g', 12);
}

// The diode law's terms of one sub-string at one irradiance and temperature.
struct SubString
{
    double light;
    double saturation;
    double thermal;
    double Rs;
    double Rsh;
};

// Bisection on the junction voltage u of IL − I0·(e^(u/a) − 1) − u/Rsh = I, which falls with u;
// the bounds are where the diode alone, and the shunt alone, would carry the difference.
double junctionVoltage(const SubString& s, double current)
{
    double high = s.thermal * std::log1p(std::max(s.light, 0.0) / s.saturation) + 1.0;
    double low = std::min(0.0, (s.light - current) * s.Rsh) - 1.0;
    for (int step = 0; step < 200 && high - low > 1e-12; ++step) {
        const double middle = 0.5 * (low + high);
        const double residual = s.light - s.saturation * std::expm1(middle / s.thermal) - middle / s.Rsh - current;
        (residual > 0.0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}
} // namespace

SingleDiodeCurve::SingleDiodeCurve(unsigned series, unsigned parallel)
    : seriesResistance(SingleDiodeModule::Rs)
    , shuntResistance(SingleDiodeModule::Rsh)
    , series(series)
    , parallel(parallel)
{
}

double SingleDiodeCurve::voltage(double current, double G, double T) const
{
    const double stringCurrent = current / parallel;
    SubString sub;
    sub.saturation = SingleDiodeModule::saturationCurrentAt(T);
    sub.thermal = SingleDiodeModule::thermalVoltage(T) / subStringsPerModule;
    sub.Rs = seriesResistance / subStringsPerModule;
    sub.Rsh = shuntResistance / subStringsPerModule;
    const auto voltageAt = [&](double light) {
        sub.light = SingleDiodeModule::lightCurrent(G, T) * light;
        const double v = junctionVoltage(sub, stringCurrent) - stringCurrent * sub.Rs;
        return std::max(v, -bypassVoltage);
    };
    const int shaded = std::min<int>(shadedSubStrings, int(series) * subStringsPerModule);
    const int lit = int(series) * subStringsPerModule - shaded;
    return lit * voltageAt(1.0) + (shaded > 0 ? shaded * voltageAt(shadedLight) : 0.0);
}

// The string voltage falls as the current rises: from Voc at no current to below 0 V at the
// full light current.
double SingleDiodeCurve::current(double voltage, double G, double T) const
{
    double low = 0.0;
    double high = parallel * SingleDiodeModule::lightCurrent(G, T);
    for (int step = 0; step < 200 && high - low > 1e-12; ++step) {
        const double middle = 0.5 * (low + high);
        (this->voltage(middle, G, T) > voltage ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

CurveData SingleDiodeCurve::measure(double G, double T, int count) const
{
    const double voc = voltage(0.0, G, T);
    CurveData curve;
    CurveReadings readings;
    readings.irradiance = text(G);
    readings.cellTemp = text(T);
    readings.isc = text(current(0.0, G, T));
    readings.voc = text(voc);
    curve.setReadings(readings);
    curve.setModule(SingleDiodeModule::assigned(series, parallel));
    for (int i = 0; i < count; ++i) {
        const double v = voc * i / (count - 1);
        curve.addPoint(v, current(v, G, T), 0.0);
    }
    return curve;
}
