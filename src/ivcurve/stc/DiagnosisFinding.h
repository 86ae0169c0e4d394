#pragma once

#include <QCoreApplication>
#include <QString>

namespace IVCurve {

// One finding of the curve diagnosis. `value` and `limit` share a unit: a ratio for the power
// findings, a share of Isc for the shunt finding, a share of the median for an outlier, Ω for the
// series resistance; a step has no limit of its own but the voltage where it starts.
class DiagnosisFinding
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::DiagnosisFinding)

public:
    enum class Kind { LowPerformance, LowStcRatio, Step, HighSeriesResistance, LowShuntResistance, Outlier };

    Kind kind = Kind::LowPerformance;
    double value = 0.0;
    double limit = 0.0;
    double voltage = 0.0;
    // Measured in too little or too uneven light to be sure.
    bool uncertain = false;

    // The line the user reads, in the user's language and locale.
    QString text() const;

private:
    QString findingText() const;
    static QString percent(double share);
    static QString number(double value, int decimals);
};

} // namespace IVCurve
