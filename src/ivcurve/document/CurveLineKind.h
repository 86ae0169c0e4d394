#pragma once

#include <Qt>

namespace IVCurve {

// What a plot line shows; the numbers are those the lines are counted and styled by.
enum class CurveLineKind {
    MeasuredIV = 0,
    MeasuredPower = 1,
    StcIV = 2,
    StcPower = 3,
    NominalIV = 4,
    NominalPower = 5,
    ExpectedIV = 6,
    ExpectedPower = 7,
};

inline constexpr int curveLineKindCount = 8;

inline bool isPowerLine(CurveLineKind kind)
{
    return int(kind) % 2 == 1;
}

// The MEAS, STC, NOM or EXP family of a line, whether it shows current or power.
inline CurveLineKind ivKindOf(CurveLineKind kind)
{
    return CurveLineKind(int(kind) - int(kind) % 2);
}

inline Qt::PenStyle penStyleOf(CurveLineKind kind)
{
    switch (ivKindOf(kind)) {
    case CurveLineKind::StcIV:
        return Qt::SolidLine;
    case CurveLineKind::NominalIV:
        return Qt::DashDotDotLine;
    case CurveLineKind::ExpectedIV:
        return Qt::DotLine;
    default:
        return Qt::DashLine;
    }
}

} // namespace IVCurve
