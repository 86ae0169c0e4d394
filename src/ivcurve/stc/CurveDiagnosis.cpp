#include "CurveDiagnosis.h"

#include <algorithm>
#include <cmath>

namespace IVCurve {

namespace {

void addIf(QVector<DiagnosisFinding>& findings, const std::optional<DiagnosisFinding>& found)
{
    if (found)
        findings.append(*found);
}
} // namespace

QVector<DiagnosisFinding> CurveDiagnosis::diagnose(const CurveDiagnosisInput& input,
                                                   const DiagnosisThresholds& thresholds)
{
    QVector<DiagnosisFinding> findings;
    addIf(findings, performance(maximumPower(input.points), input.expectedPmpp, thresholds));
    addIf(findings, stcRatio(input.stcPmpp, input.nominalPmpp, thresholds));
    const std::optional<DiagnosisFinding> stepFound = step(input.points, thresholds);
    addIf(findings, stepFound);
    // Near Voc a stepped curve shows the slope of its shaded cells, not of the string's wiring.
    if (!stepFound)
        addIf(findings, seriesResistance(input, thresholds));
    addIf(findings, shuntResistance(input.points, thresholds));
    addIf(findings, outlier(input.stcPmpp, input.siblingStcPmpps, thresholds));
    const bool uncertain = isUncertain(input.irradiance, input.irradianceSpread, thresholds);
    for (DiagnosisFinding& found : findings)
        found.uncertain = uncertain;
    return findings;
}

double CurveDiagnosis::maximumPower(const QVector<QPointF>& points)
{
    double largest = 0.0;
    for (const QPointF& point : points)
        largest = std::max(largest, point.x() * point.y());
    return largest;
}

// Not measured counts as low.
bool CurveDiagnosis::isUncertain(double irradiance, bool irradianceSpread, const DiagnosisThresholds& thresholds)
{
    return irradianceSpread || !(irradiance >= thresholds.lowIrradiance);
}

DiagnosisFinding CurveDiagnosis::finding(DiagnosisFinding::Kind kind, double value, double limit)
{
    DiagnosisFinding found;
    found.kind = kind;
    found.value = value;
    found.limit = limit;
    return found;
}

std::optional<DiagnosisFinding> CurveDiagnosis::ratioBelow(DiagnosisFinding::Kind kind, double value,
                                                           double reference, double threshold)
{
    if (!(reference > 0.0))
        return std::nullopt;
    const double ratio = value / reference;
    if (!(ratio < threshold))
        return std::nullopt;
    return finding(kind, ratio, threshold);
}

std::optional<DiagnosisFinding> CurveDiagnosis::performance(double measuredPmpp, double expectedPmpp,
                                                            const DiagnosisThresholds& thresholds)
{
    return ratioBelow(DiagnosisFinding::Kind::LowPerformance, measuredPmpp, expectedPmpp,
                      thresholds.performanceFactor);
}

std::optional<DiagnosisFinding> CurveDiagnosis::stcRatio(double stcPmpp, double nominalPmpp,
                                                         const DiagnosisThresholds& thresholds)
{
    return ratioBelow(DiagnosisFinding::Kind::LowStcRatio, stcPmpp, nominalPmpp, thresholds.stcRatio);
}

double CurveDiagnosis::currentAt(const QVector<QPointF>& points, double voltage)
{
    if (points.isEmpty())
        return 0.0;
    if (voltage <= points.first().x())
        return points.first().y();
    for (int i = 1; i < points.size(); ++i) {
        const QPointF& left = points.at(i - 1);
        const QPointF& right = points.at(i);
        if (voltage <= right.x() && right.x() > left.x())
            return left.y() + (right.y() - left.y()) * (voltage - left.x()) / (right.x() - left.x());
    }
    return points.last().y();
}

double CurveDiagnosis::largestVoltage(const QVector<QPointF>& points)
{
    double largest = 0.0;
    for (const QPointF& point : points)
        largest = std::max(largest, point.x());
    return largest;
}

// A healthy curve is concave: over two equal stretches the current falls at least as much in the
// second as in the first. A bypass diode taking over breaks that: a steep drop, then a flatter
// stretch at the lower current before the knee.
// The same segment as currentAt finds: with voltages that never fall, the first point at or above
// the voltage lies above its predecessor.
double CurveDiagnosis::currentAtRisingVoltage(const QVector<QPointF>& points, double voltage)
{
    if (points.isEmpty())
        return 0.0;
    if (voltage <= points.first().x())
        return points.first().y();
    const auto right = std::lower_bound(points.cbegin(), points.cend(), voltage,
                                        [](const QPointF& point, double v) { return point.x() < v; });
    if (right == points.cend())
        return points.last().y();
    const QPointF& left = *(right - 1);
    return left.y() + (right->y() - left.y()) * (voltage - left.x()) / (right->x() - left.x());
}

bool CurveDiagnosis::stepEndsAt(const QVector<QPointF>& points, int end, double stretch, double drop,
                                CurrentAt current)
{
    const double at = points.at(end).x();
    if (at - stretch < points.first().x() || at + stretch > points.last().x())
        return false;
    const double before = current(points, at - stretch) - points.at(end).y();
    const double afterCurrent = current(points, at + stretch);
    const double after = points.at(end).y() - afterCurrent;
    // A current that climbs back after the drop is a dip in the measurement, not a step.
    return before > drop && std::abs(after) < 0.5 * before && afterCurrent > drop;
}

// The last point before the drop that still carries nearly the current from before it.
double CurveDiagnosis::stepStart(const QVector<QPointF>& points, int end, double stretch, CurrentAt current)
{
    const double higher = current(points, points.at(end).x() - stretch);
    const double nearlyHigher = higher - 0.25 * (higher - points.at(end).y());
    int start = end;
    while (start > 0 && points.at(start).y() < nearlyHigher)
        --start;
    return points.at(start).x();
}

std::optional<DiagnosisFinding> CurveDiagnosis::step(const QVector<QPointF>& points,
                                                     const DiagnosisThresholds& thresholds)
{
    if (points.size() < 3)
        return std::nullopt;
    const double drop = thresholds.stepDrop * points.first().y();
    const double stretch = StepStretch * largestVoltage(points);
    // Every point asks for the current on both sides of it: a linear search each time would make
    // a long curve cost its length squared.
    const bool rising = std::is_sorted(points.cbegin(), points.cend(),
                                       [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    const CurrentAt current = rising ? &currentAtRisingVoltage : &currentAt;
    for (int end = 1; end < points.size() - 1; ++end) {
        if (stepEndsAt(points, end, stretch, drop, current)) {
            DiagnosisFinding found = finding(DiagnosisFinding::Kind::Step, 0.0, 0.0);
            found.voltage = stepStart(points, end, stretch, current);
            return found;
        }
    }
    return std::nullopt;
}

// A least-squares line of V over I through the points below a fifth of Isc; at least the last
// two points when fewer lie there.
bool CurveDiagnosis::slopeNearOpenCircuit(const QVector<QPointF>& points, double& slope)
{
    if (points.size() < 2)
        return false;
    const double below = NearOpenCircuit * points.first().y();
    int first = points.size() - 2;
    while (first > 0 && points.at(first - 1).y() <= below)
        --first;
    double meanV = 0.0;
    double meanI = 0.0;
    const int count = points.size() - first;
    for (int i = first; i < points.size(); ++i) {
        meanV += points.at(i).x() / count;
        meanI += points.at(i).y() / count;
    }
    double covariance = 0.0;
    double variance = 0.0;
    for (int i = first; i < points.size(); ++i) {
        covariance += (points.at(i).y() - meanI) * (points.at(i).x() - meanV);
        variance += (points.at(i).y() - meanI) * (points.at(i).y() - meanI);
    }
    if (!(variance > 0.0))
        return false;
    slope = -covariance / variance;
    return true;
}

// Near Voc the slope is the series resistance plus the diode's own, which grows as the light
// falls: at half the irradiance a healthy string's slope passed twice its resistance. The part
// beyond the string's resistance is therefore brought to 1000 W/m² before the comparison.
std::optional<DiagnosisFinding> CurveDiagnosis::seriesResistance(const CurveDiagnosisInput& input,
                                                                 const DiagnosisThresholds& thresholds)
{
    double measured = 0.0;
    if (!(input.moduleRs > 0.0) || input.parallel == 0 || !slopeNearOpenCircuit(input.points, measured))
        return std::nullopt;
    const double stringRs = input.moduleRs * input.series / input.parallel;
    const double resistance = measured - diodeSlopeNearOpenCircuit(input);
    const double limit = thresholds.seriesResistanceFactor * stringRs;
    if (!(resistance > limit))
        return std::nullopt;
    return finding(DiagnosisFinding::Kind::HighSeriesResistance, resistance, limit);
}

// Near Voc the cells' diodes carry almost all of the light current, and their own slope
// n·N·kT/q over the current adds to the wiring's: as large as a module's Rs, and larger in weak
// light and heat. Averaged over the currents the slope is read at, from 0 to a fifth of Isc, it
// is ln(1/(1 − 0.2))/0.2 times its value at Voc.
double CurveDiagnosis::diodeSlopeNearOpenCircuit(const CurveDiagnosisInput& input)
{
    if (input.cellsInSeries <= 0 || input.points.isEmpty() || !(input.points.first().y() > 0.0))
        return 0.0;
    const double thermalVoltage = BoltzmannOverCharge * (input.cellTemperature + ZeroCelsius);
    const double averaged = std::log(1.0 / (1.0 - NearOpenCircuit)) / NearOpenCircuit;
    return averaged * input.series * TypicalIdealityFactor * input.cellsInSeries * thermalVoltage
           / input.points.first().y();
}

std::optional<DiagnosisFinding> CurveDiagnosis::shuntResistance(const QVector<QPointF>& points,
                                                                const DiagnosisThresholds& thresholds)
{
    if (points.size() < 2 || !(points.first().y() > 0.0))
        return std::nullopt;
    const double isc = currentAt(points, 0.0);
    const double fall = isc - currentAt(points, thresholds.shuntVoltageShare * largestVoltage(points));
    if (!(fall > thresholds.shuntDrop * isc))
        return std::nullopt;
    return finding(DiagnosisFinding::Kind::LowShuntResistance, fall / isc, thresholds.shuntDrop);
}

double CurveDiagnosis::median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : 0.5 * (values.at(middle - 1) + values.at(middle));
}

std::optional<DiagnosisFinding> CurveDiagnosis::outlier(double stcPmpp, QVector<double> siblingStcPmpps,
                                                        const DiagnosisThresholds& thresholds)
{
    if (siblingStcPmpps.isEmpty())
        return std::nullopt;
    const double typical = median(std::move(siblingStcPmpps));
    if (!(typical > 0.0))
        return std::nullopt;
    const double shortfall = typical - stcPmpp;
    if (!(shortfall > thresholds.siblingShortfall * typical))
        return std::nullopt;
    return finding(DiagnosisFinding::Kind::Outlier, shortfall / typical, thresholds.siblingShortfall);
}

} // namespace IVCurve
