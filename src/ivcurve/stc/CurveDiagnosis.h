#pragma once

#include "CurveDiagnosisInput.h"
#include "DiagnosisFinding.h"
#include "DiagnosisThresholds.h"

#include <QPointF>
#include <QVector>

#include <optional>

namespace IVCurve {

// The rules that read faults off one string's curve. Each rule is a pure function of plain
// numbers and returns a finding only when it fires; `diagnose` runs them all on one curve.
// Isc is taken as the current of the first point and Voc as the largest voltage, as an
// instrument measures from short circuit towards open circuit.
class CurveDiagnosis
{
public:
    // Every finding for the curve, each marked uncertain when the light was too weak or uneven.
    static QVector<DiagnosisFinding> diagnose(const CurveDiagnosisInput& input,
                                              const DiagnosisThresholds& thresholds = DiagnosisThresholds());

    static double maximumPower(const QVector<QPointF>& points);
    static bool isUncertain(double irradiance, bool irradianceSpread, const DiagnosisThresholds& thresholds);

    static std::optional<DiagnosisFinding> performance(double measuredPmpp, double expectedPmpp,
                                                       const DiagnosisThresholds& thresholds);
    static std::optional<DiagnosisFinding> stcRatio(double stcPmpp, double nominalPmpp,
                                                    const DiagnosisThresholds& thresholds);
    // A drop by more than stepDrop of Isc followed by a flatter stretch that still carries
    // current; the finding's voltage is where the drop leaves the higher current.
    static std::optional<DiagnosisFinding> step(const QVector<QPointF>& points, const DiagnosisThresholds& thresholds);
    // The string's own series resistance: −dV/dI over the points below a fifth of Isc, less the
    // slope its cells' diodes give there when the cells in series are known, against
    // moduleRs·series/parallel; the finding's value is that resistance in Ω.
    static std::optional<DiagnosisFinding> seriesResistance(const CurveDiagnosisInput& input,
                                                            const DiagnosisThresholds& thresholds);
    static std::optional<DiagnosisFinding> shuntResistance(const QVector<QPointF>& points,
                                                           const DiagnosisThresholds& thresholds);
    static std::optional<DiagnosisFinding> outlier(double stcPmpp, QVector<double> siblingStcPmpps,
                                                   const DiagnosisThresholds& thresholds);

    // The current at `voltage` along the points, held at the first or last point beyond them.
    static double currentAt(const QVector<QPointF>& points, double voltage);

private:
    static constexpr double NearOpenCircuit = 0.2;
    // A crystalline cell's diode near Voc, a little below the usual value, so that the diodes'
    // slope is not overestimated and a resistive string still shows.
    static constexpr double TypicalIdealityFactor = 1.2;
    static constexpr double BoltzmannOverCharge = 8.617333e-5;  // V/K
    static constexpr double ZeroCelsius = 273.15;               // K
    // The width of the stretches a step is judged over, as a share of Voc.
    static constexpr double StepStretch = 0.05;

    static double largestVoltage(const QVector<QPointF>& points);
    using CurrentAt = double (*)(const QVector<QPointF>& points, double voltage);
    // currentAt for points whose voltages never fall, by bisection.
    static double currentAtRisingVoltage(const QVector<QPointF>& points, double voltage);
    static bool stepEndsAt(const QVector<QPointF>& points, int end, double stretch, double drop, CurrentAt current);
    static double stepStart(const QVector<QPointF>& points, int end, double stretch, CurrentAt current);
    static bool slopeNearOpenCircuit(const QVector<QPointF>& points, double& slope);
    static double diodeSlopeNearOpenCircuit(const CurveDiagnosisInput& input);
    static double median(QVector<double> values);
    static DiagnosisFinding finding(DiagnosisFinding::Kind kind, double value, double limit);
    // value / reference when it is below the threshold; nothing when the reference is unknown.
    static std::optional<DiagnosisFinding> ratioBelow(DiagnosisFinding::Kind kind, double value, double reference,
                                                      double threshold);
};

} // namespace IVCurve
