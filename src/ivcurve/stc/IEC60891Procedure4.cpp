#include "IEC60891Procedure4.h"

#include "AssignedModule.h"
#include "STCparameters.h"

#include <algorithm>
#include <cmath>

namespace IVCurve {

namespace {
constexpr double kelvin = 273.15;
} // namespace

IEC60891Procedure4::Coefficients IEC60891Procedure4::storedCoefficients(const STCparameters& parameters,
                                                                        const AssignedModule& module,
                                                                        double vocMeasured)
{
    const bool hasDataSheet = module.moduleId != 0 && module.Voc > 0.0;
    Coefficients stored;
    stored.alpha = STCparameters::number(parameters.alpha);
    stored.Rs = STCparameters::number(parameters.Rs);
    stored.cellsInSeries = STCparameters::count(parameters.cellsInSeries);
    if (stored.cellsInSeries == 0 && module.moduleId != 0)
        stored.cellsInSeries = module.cellsInSeries;
    if (stored.cellsInSeries <= 0)
        stored.cellsInSeries = cellsInSeriesFor(hasDataSheet ? module.Voc : vocMeasured / module.series);
    const double bandgap = STCparameters::number(parameters.bandgap);
    if (bandgap > 0.0)
        stored.bandgap = bandgap;
    return stored;
}

int IEC60891Procedure4::cellsInSeriesFor(double moduleVoc)
{
    if (!(moduleVoc > 0.0))
        return DefaultCellsInSeries;
    return std::max(1, int(std::round(moduleVoc / TypicalCellVoc)));
}

IEC60891Procedure4::IEC60891Procedure4(const STCparameters& parameters, const AssignedModule& module,
                                       const Coefficients& coefficients, double iscMeasured)
    : STCAlgorithm(parameters)
    , coefficients(coefficients)
    , series(module.series)
    , parallel(module.parallel)
    , currentRise(iscMeasured * (G_STC / G - 1.0))
{
}

QPointF IEC60891Procedure4::convertPoint(const CurvePoint&, const QPointF& measured)
{
    const double deltaT = T_STC - T;
    const double I1 = measured.y();
    const double irradianceCurrent = I1 + currentRise;
    const double irradianceVoltage = measured.x() - series * coefficients.Rs * (irradianceCurrent - I1) / parallel;
    const double stringBandgap = coefficients.bandgap * coefficients.cellsInSeries * series;
    const double I2 = irradianceCurrent + parallel * coefficients.alpha * deltaT;
    const double V2 = irradianceVoltage + deltaT / (T + kelvin) * (irradianceVoltage - stringBandgap);
    return {V2, I2};
}

} // namespace IVCurve
