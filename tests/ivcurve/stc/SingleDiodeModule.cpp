#include "SingleDiodeModule.h"

#include <QLocale>

#include <cmath>

namespace {
constexpr double boltzmann = 1.380649e-23;
constexpr double charge = 1.602176634e-19;
constexpr double kelvin = 273.15;
constexpr double stcTemperature = 25.0;
constexpr double stcIrradiance = 1000.0;

QString text(double value)
{
    return QLocale().toString(value, 'g', 12);
}
} // namespace

double SingleDiodeModule::thermalVoltage(double T)
{
    return ideality * cells * boltzmann * (T + kelvin) / charge;
}

// Chosen so that Isc + α·ΔT and Voc + β·ΔT hold at full sun.
double SingleDiodeModule::saturationCurrentAt(double T)
{
    const auto diodeRatio = [](double t) {
        const double dT = t - stcTemperature;
        return (Isc + alpha * dT) / std::expm1((Voc + beta * dT) / thermalVoltage(t));
    };
    return saturationCurrent * diodeRatio(T) / diodeRatio(stcTemperature);
}

double SingleDiodeModule::lightCurrent(double G, double T)
{
    return (photoCurrent + alpha * (T - stcTemperature)) * G / stcIrradiance;
}

// Newton on I = IL − I0·(e^((V + I·Rs)/a) − 1) − (V + I·Rs)/Rsh, which is monotonic in I.
double SingleDiodeModule::current(double voltage, double G, double T)
{
    const double light = lightCurrent(G, T);
    const double saturation = saturationCurrentAt(T);
    const double a = thermalVoltage(T);
    double I = light;
    for (int step = 0; step < 100; ++step) {
        const double diode = std::exp((voltage + I * Rs) / a);
        const double residual = light - saturation * (diode - 1.0) - (voltage + I * Rs) / Rsh - I;
        const double slope = -saturation * diode * Rs / a - Rs / Rsh - 1.0;
        const double change = -residual / slope;
        I += change;
        if (std::abs(change) < 1e-13)
            break;
    }
    return I;
}

double SingleDiodeModule::openCircuitVoltage(double G, double T)
{
    double low = 0.0;
    double high = 2.0 * Voc;
    for (int step = 0; step < 100; ++step) {
        const double middle = 0.5 * (low + high);
        if (current(middle, G, T) > 0.0)
            low = middle;
        else
            high = middle;
    }
    return low;
}

// Power is unimodal in the voltage: a golden-section search finds its peak.
double SingleDiodeModule::maximumPower(double G, double T)
{
    const double ratio = 0.5 * (std::sqrt(5.0) - 1.0);
    double low = 0.0;
    double high = openCircuitVoltage(G, T);
    const auto power = [G, T](double v) { return v * current(v, G, T); };
    for (int step = 0; step < 200; ++step) {
        const double left = high - ratio * (high - low);
        const double right = low + ratio * (high - low);
        if (power(left) < power(right))
            low = left;
        else
            high = right;
    }
    return power(0.5 * (low + high));
}

CurveData SingleDiodeModule::measure(double G, double T, unsigned series, unsigned parallel, double ambient,
                                     int count)
{
    const double voc = openCircuitVoltage(G, T);
    CurveData curve;
    CurveReadings readings;
    readings.irradiance = text(G);
    readings.cellTemp = text(T);
    readings.ambientTemp = text(ambient);
    readings.isc = text(parallel * current(0.0, G, T));
    readings.voc = text(series * voc);
    curve.setReadings(readings);
    curve.setModule(assigned(series, parallel));
    for (int i = 0; i < count; ++i) {
        const double v = voc * i / (count - 1);
        curve.addPoint(series * v, parallel * current(v, G, T), 0.0);
    }
    return curve;
}

IVCurve::STCparameters SingleDiodeModule::coefficients(IVCurve::Method method)
{
    IVCurve::STCparameters parameters;
    parameters.algorithm = int(method);
    parameters.alpha = QString::number(alpha);
    parameters.beta = QString::number(beta);
    parameters.Rs = QString::number(Rs);
    // Blässer's b is relative to Voc.
    parameters.b = QString::number(beta / Voc);
    return parameters;
}

AssignedModule SingleDiodeModule::assigned(unsigned series, unsigned parallel)
{
    AssignedModule module;
    module.moduleId = 2;
    module.series = series;
    module.parallel = parallel;
    module.setDataSheet(Voc, Isc, Vmpp, Impp);
    return module;
}
