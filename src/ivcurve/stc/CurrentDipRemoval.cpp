#include "CurrentDipRemoval.h"

#include "CurveData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace IVCurve {

namespace {
constexpr double DefaultIrradiance = 1000.0;

bool setsFirstIrradiance(double irradiance)
{
    return irradiance != 0.0 && irradiance != DefaultIrradiance;
}

// A value that is not a number never counts as the largest, as the curve itself ignores it.
template <typename Value>
QVector<int> largestFirst(const QVector<QPointF>& points, Value value)
{
    const auto key = [&](int point) {
        const double number = value(points.at(point));
        return std::isnan(number) ? -std::numeric_limits<double>::infinity() : number;
    };
    QVector<int> order(points.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int left, int right) { return key(left) > key(right); });
    return order;
}
} // namespace

bool CurrentDipRemoval::Inputs::operator==(const Inputs& other) const
{
    return largestVoltage == other.largestVoltage && largestCurrent == other.largestCurrent
        && firstIrradiance == other.firstIrradiance;
}

void CurrentDipRemoval::run(CurveData& curve)
{
    CurrentDipRemoval removal(curve);
    removal.removeDips();
    if (removal.anyRemoved)
        curve = removal.remaining();
}

CurrentDipRemoval::CurrentDipRemoval(CurveData& curve)
    : curve(curve)
{
    const QVector<QPointF>& converted = curve.stcCurve(false).points();
    const int count = converted.size();
    currents.reserve(count);
    previous.reserve(count);
    next.reserve(count);
    for (int i = 0; i < count; ++i) {
        currents << converted.at(i).y();
        previous << i - 1;
        next << (i + 1 < count ? i + 1 : -1);
    }
    removed.fill(false, count);
}

void CurrentDipRemoval::removeDips()
{
    QVector<int> candidates;
    candidates.reserve(currents.size());
    for (int i = 1; i + 1 < currents.size(); ++i)
        candidates << i;
    while (true) {
        const QVector<int> dips = marked(candidates);
        if (dips.isEmpty())
            return;
        anyRemoved = true;
        const Inputs before = inputs();
        candidates.clear();
        for (int point : dips)
            unlink(point, candidates);
        if (!(inputs() == before) || anchorMoved(dips))
            convertAgain(candidates);
    }
}

// In ascending order, judged on the curve as the pass found it.
QVector<int> CurrentDipRemoval::marked(QVector<int>& candidates) const
{
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    QVector<int> dips;
    for (int middle : qAsConst(candidates)) {
        if (!removed.at(middle) && isDip(middle))
            dips << middle;
    }
    return dips;
}

bool CurrentDipRemoval::isDip(int middle) const
{
    const int before = previous.at(middle);
    const int after = next.at(middle);
    if (before < 0 || after < 0)
        return false;
    const double twoBack = currents.at(before);
    const double dip = currents.at(middle);
    return twoBack != 0.0 && twoBack >= dip && currents.at(after) >= dip;
}

// The points beside the gap start new threes; a neighbour that goes later in the same pass
// passes its own neighbours on.
void CurrentDipRemoval::unlink(int point, QVector<int>& candidates)
{
    const int before = previous.at(point);
    const int after = next.at(point);
    if (before >= 0)
        next[before] = after;
    if (after >= 0)
        previous[after] = before;
    removed[point] = true;
    for (int neighbour : {before, after}) {
        if (neighbour >= 0)
            candidates << neighbour;
    }
}

// As the rebuilt curve would compute them: the largest values start from 0. The points are put
// in order only once a pass found dips: most curves have none.
CurrentDipRemoval::Inputs CurrentDipRemoval::inputs()
{
    const QVector<QPointF>& measured = curve.points();
    if (byVoltage.isEmpty()) {
        byVoltage = largestFirst(measured, [](const QPointF& point) { return point.x(); });
        byCurrent = largestFirst(measured, [](const QPointF& point) { return point.y(); });
    }
    return {std::max(0.0, measured.at(firstLeft(byVoltage, largestVoltageAt)).x()),
            std::max(0.0, measured.at(firstLeft(byCurrent, largestCurrentAt)).y()), firstIrradiance()};
}

// The first and the last point are never dips, so some point is always left.
int CurrentDipRemoval::firstLeft(const QVector<int>& order, int& position) const
{
    while (removed.at(order.at(position)))
        ++position;
    return order.at(position);
}

double CurrentDipRemoval::firstIrradiance()
{
    const QVector<CurvePoint>& info = curve.pointInfo();
    while (firstIrradianceAt < info.size()
           && (removed.at(firstIrradianceAt) || !setsFirstIrradiance(info.at(firstIrradianceAt).irradiance)))
        ++firstIrradianceAt;
    return firstIrradianceAt < info.size() ? info.at(firstIrradianceAt).irradiance : DefaultIrradiance;
}

// A point without an irradiance of its own is converted with the one of the last point before it
// that has one; it changes when that point goes.
bool CurrentDipRemoval::anchorMoved(const QVector<int>& removedPoints) const
{
    for (int point : removedPoints) {
        if (!(curve.pointInfo().at(point).irradiance > 0.0))
            continue;
        int after = next.at(point);
        while (after >= 0 && removed.at(after))
            after = next.at(after);
        if (after >= 0 && !(curve.pointInfo().at(after).irradiance > 0.0))
            return true;
    }
    return false;
}

// Every point whose converted current changed starts new threes on both sides.
void CurrentDipRemoval::convertAgain(QVector<int>& candidates)
{
    CurveData rest = remaining();
    const QVector<QPointF>& converted = rest.stcCurve(false).points();
    int position = 0;
    for (int point = 0; point >= 0; point = next.at(point), ++position) {
        const double current = converted.at(position).y();
        if (current == currents.at(point))
            continue;
        currents[point] = current;
        for (int neighbour : {previous.at(point), point, next.at(point)}) {
            if (neighbour >= 0)
                candidates << neighbour;
        }
    }
}

CurveData CurrentDipRemoval::remaining() const
{
    CurveData rest;
    rest.reserve(curve.points().size());
    rest.setReadings(curve.readings());
    rest.setParameters(curve.parameters());
    rest.setModule(curve.module());
    for (int point = 0; point >= 0; point = next.at(point)) {
        const CurvePoint& info = curve.pointInfo().at(point);
        rest.addPoint(curve.points().at(point).x(), curve.points().at(point).y(), info.irradiance, info.tag);
    }
    return rest;
}

} // namespace IVCurve
