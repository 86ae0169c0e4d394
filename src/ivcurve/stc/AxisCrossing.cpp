#include "AxisCrossing.h"

#include <cmath>

namespace IVCurve {

bool AxisCrossing::openCircuitVoltage(const QPointF& before, const QPointF& last, double& voltage)
{
    if (!(last.y() > 0.0) || !(before.y() > last.y()) || !(last.x() > before.x()))
        return false;
    const double reach = last.y() * (last.x() - before.x()) / (before.y() - last.y());
    if (!std::isfinite(reach) || reach > LongestReach * last.x())
        return false;
    voltage = last.x() + reach;
    return true;
}

bool AxisCrossing::shortCircuitCurrent(const QPointF& first, const QPointF& next, double& current)
{
    if (!(first.x() > 0.0) || !(next.x() > first.x()))
        return false;
    const double rise = first.x() * (first.y() - next.y()) / (next.x() - first.x());
    if (!std::isfinite(rise) || std::abs(rise) > LongestReach * std::abs(first.y()))
        return false;
    current = first.y() + rise;
    return true;
}

} // namespace IVCurve
