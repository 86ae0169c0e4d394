#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariant>

class CurveData;

namespace IVCurve {

// Why the STC values of a curve are no better than an estimate: the standard validates the
// conversion from 700 W/m² upwards only, the coefficients without a module are defaults, and a
// Voc far beyond the last measured point is a guess along a line.
class StcApproximation
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::StcApproximation)

public:
    static constexpr double ValidatedIrradiance = 700.0;
    // Share of Voc beyond the last converted point above which the extrapolation counts as long.
    static constexpr double LongExtrapolation = 0.05;

    // Every reason that holds for the curve, converted and extended to the axes; empty when none.
    static QStringList reasons(CurveData& curve);
    // The reasons from an irradiance reading (as the file or the user gives it), the module and
    // what openCircuitReason said, in this order.
    static QStringList reasonsOf(const QVariant& irradiance, unsigned moduleId,
                                 const QString& openCircuit = QString());
    // The reasons as one line, "approximate: ..."; empty without reasons.
    static QString note(const QStringList& reasons);

    // The single reasons; each is empty when it does not hold.
    static QString irradianceReason(const QVariant& irradiance);
    static QString moduleReason(unsigned moduleId);
    static QString openCircuitReason(const CurveData& converted);
};

} // namespace IVCurve
