#include "CorrectionCoefficientInput.h"

#include "CurveData.h"
#include "CurveNumberText.h"

namespace IVCurve {

CorrectionCoefficientInput::Refusal CorrectionCoefficientInput::build(const QVector<const CurveData*>& curves,
                                                                      CorrectionCoefficientFit::Input& input)
{
    input = CorrectionCoefficientFit::Input();
    if (curves.isEmpty())
        return Refusal::None;
    const CurveData& first = *curves.first();
    for (const CurveData* curve : curves) {
        if (!sameString(first, *curve))
            return Refusal::DifferentStrings;
        input.curves.append(fitCurveOf(*curve));
    }
    const STCparameters& coefficients = first.parameters();
    input.alpha = STCparameters::number(coefficients.alpha);
    input.beta = STCparameters::number(coefficients.beta);
    input.Rs = STCparameters::number(coefficients.Rs);
    input.kappa = STCparameters::number(coefficients.kappa);
    input.series = first.module().series;
    input.parallel = first.module().parallel;
    return Refusal::None;
}

bool CorrectionCoefficientInput::sameString(const CurveData& first, const CurveData& other)
{
    const AssignedModule& a = first.module();
    const AssignedModule& b = other.module();
    return a.moduleId == b.moduleId && a.series == b.series && a.parallel == b.parallel;
}

// The temperature matters as much as the irradiance: a curve that lacks either would be
// translated from conditions nobody measured.
CorrectionCoefficientFit::Curve CorrectionCoefficientInput::fitCurveOf(const CurveData& curve)
{
    CorrectionCoefficientFit::Curve fitCurve;
    double irradiance = 0.0;
    double temperature = 0.0;
    if (!CurveNumberText::parseUser(curve.readings().irradiance, irradiance)
        || !CurveNumberText::parseUser(curve.readings().cellTemp, temperature))
        return fitCurve;
    fitCurve.points = curve.points();
    fitCurve.irradiance = irradiance;
    fitCurve.temperature = temperature;
    return fitCurve;
}

} // namespace IVCurve
