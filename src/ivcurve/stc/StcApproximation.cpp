#include "StcApproximation.h"

#include "CurveData.h"
#include "CurveNumberText.h"

#include <QLocale>

namespace IVCurve {

QStringList StcApproximation::reasons(CurveData& curve)
{
    return reasonsOf(curve.readings().irradiance, curve.module().moduleId, openCircuitReason(curve.stcCurve(true)));
}

QStringList StcApproximation::reasonsOf(const QVariant& irradiance, unsigned moduleId, const QString& openCircuit)
{
    QStringList found;
    for (const QString& reason : {irradianceReason(irradiance), moduleReason(moduleId), openCircuit}) {
        if (!reason.isEmpty())
            found.append(reason);
    }
    return found;
}

QString StcApproximation::note(const QStringList& reasons)
{
    if (reasons.isEmpty())
        return QString();
    return tr("approximate: %1", "Warning Message").arg(reasons.join(QStringLiteral("; ")));
}

namespace {
// The file hands over numbers, the user's edits and the import user-locale text.
bool readingOf(const QVariant& reading, double& value)
{
    switch (reading.userType()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
        value = reading.toDouble();
        return true;
    default:
        return CurveNumberText::parseUser(reading.toString(), value);
    }
}
} // namespace

// A missing irradiance converts as if measured at STC, which says nothing about the real one.
QString StcApproximation::irradianceReason(const QVariant& irradiance)
{
    double value = 0.0;
    if (!readingOf(irradiance, value) || !(value > 0.0))
        return tr("irradiance not measured", "Warning Message");
    if (value >= ValidatedIrradiance)
        return QString();
    return tr("measured at %1 W/m²", "Warning Message").arg(QLocale().toString(value, 'f', 0));
}

QString StcApproximation::moduleReason(unsigned moduleId)
{
    return moduleId == 0 ? tr("no module assigned", "Warning Message") : QString();
}

QString StcApproximation::openCircuitReason(const CurveData& converted)
{
    switch (converted.openCircuitEnd()) {
    case CurveData::OpenCircuitEnd::Dropped:
        return tr("Voc not reached by the measurement", "Warning Message");
    case CurveData::OpenCircuitEnd::Extrapolated: {
        const double voc = converted.points().last().x();
        const double share = voc > 0.0 ? converted.extrapolatedVoltage() / voc : 1.0;
        if (share <= LongExtrapolation)
            return QString();
        return tr("Voc extrapolated by %1 %", "Warning Message").arg(QLocale().toString(share * 100.0, 'f', 1));
    }
    default:
        return QString();
    }
}

} // namespace IVCurve
