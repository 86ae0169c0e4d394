#pragma once

#include "CorrectionCoefficientFit.h"

#include <QVector>

class CurveData;

namespace IVCurve {

// Gathers curves of one string for CorrectionCoefficientFit: their points with the irradiance and
// cell temperature measured with them, and the string's module coefficients and layout.
class CorrectionCoefficientInput
{
public:
    enum class Refusal {
        None,
        // The curves name different modules or layouts: Rs and κ of one module cannot show.
        DifferentStrings
    };

    // A curve without a readable irradiance or cell temperature goes in without an irradiance,
    // which the fit passes over. α, β, Rs and κ are those of the first curve.
    static Refusal build(const QVector<const CurveData*>& curves, CorrectionCoefficientFit::Input& input);

private:
    static bool sameString(const CurveData& first, const CurveData& other);
    static CorrectionCoefficientFit::Curve fitCurveOf(const CurveData& curve);
};

} // namespace IVCurve
