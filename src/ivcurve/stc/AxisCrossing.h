#pragma once

#include <QPointF>

namespace IVCurve {

// Where a converted curve meets the axes when its outermost points stop short of them: along the
// line through its two outermost points. A conversion that raises the current leaves current on
// the last point, and dropping straight to the axis from there would understate Voc.
class AxisCrossing
{
public:
    // How far beyond the outermost point the line may reach, as a share of that point's own
    // voltage or current; further out the line says more about noise than about the curve.
    static constexpr double LongestReach = 0.5;

    // The voltage at which the line from `before` through `last` reaches zero current. False when
    // `last` carries no current, the line does not fall towards the axis, or it gets there only
    // beyond the longest reach.
    static bool openCircuitVoltage(const QPointF& before, const QPointF& last, double& voltage);
    // The current at which the line from `next` through `first` reaches zero voltage. False when
    // `first` lies on or left of the axis, the points do not go rightwards, or the current would
    // change by more than the longest reach.
    static bool shortCircuitCurrent(const QPointF& first, const QPointF& next, double& current);
};

} // namespace IVCurve
