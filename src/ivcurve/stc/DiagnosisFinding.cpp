#include "DiagnosisFinding.h"

#include <QLocale>

namespace IVCurve {

QString DiagnosisFinding::text() const
{
    if (!uncertain)
        return findingText();
    return tr("%1 (uncertain: low or uneven irradiance)", "Diagnosis finding").arg(findingText());
}

QString DiagnosisFinding::findingText() const
{
    switch (kind) {
    case Kind::LowPerformance:
        return tr("performance factor %1 % is below %2 %: less power than expected at the measured conditions",
                  "Diagnosis finding")
            .arg(percent(value), percent(limit));
    case Kind::LowStcRatio:
        return tr("power at STC is %1 % of the nominal power, below %2 %", "Diagnosis finding")
            .arg(percent(value), percent(limit));
    case Kind::Step:
        return tr("step in the curve from %1 V: shading or an active bypass diode", "Diagnosis finding")
            .arg(number(voltage, 1));
    case Kind::HighSeriesResistance:
        return tr("high series resistance (%1 Ω, more than %2 Ω): check connectors and cables", "Diagnosis finding")
            .arg(number(value, 2), number(limit, 2));
    case Kind::LowShuntResistance:
        return tr("low shunt resistance (current falls by %1 % of Isc): possible cell or module damage",
                  "Diagnosis finding")
            .arg(percent(value));
    case Kind::Outlier:
        return tr("power at STC is %1 % below the median of the other strings", "Diagnosis finding")
            .arg(percent(value));
    }
    return QString();
}

QString DiagnosisFinding::percent(double share)
{
    return QLocale().toString(share * 100.0, 'f', 1);
}

QString DiagnosisFinding::number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

} // namespace IVCurve
