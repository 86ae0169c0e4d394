#include "CurveFindings.h"

#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveDiagnosis.h"
#include "CurveKeyValues.h"
#include "CurveNumberText.h"
#include "MeasurementStatus.h"
#include "TreeItem.h"

namespace IVCurve {

CurveFindings::CurveFindings(CurveCollection& collection)
    : curves(collection)
{
}

void CurveFindings::setThresholds(const DiagnosisThresholds& thresholds)
{
    limits = thresholds;
}

const DiagnosisThresholds& CurveFindings::thresholds() const
{
    return limits;
}

QVector<DiagnosisFinding> CurveFindings::findingsOf(const TreeItem* item)
{
    CurveData* curve = curveOf(item);
    if (!curve || curve->isEmpty())
        return {};
    return CurveDiagnosis::diagnose(inputOf(item, *curve), limits);
}

CurveDiagnosisInput CurveFindings::inputOf(const TreeItem* item, CurveData& curve)
{
    CurveDiagnosisInput input;
    input.points = curve.points();
    input.irradiance = reading(curve.readings().irradiance);
    input.irradianceSpread = (item->value(TreeItem::Status).toUInt() & IrradianceSpread) || curve.hasIrradianceSpread();
    input.expectedPmpp = expectedPmpp(curve);
    // Without a module the conversion borrows another module's coefficients: its power at STC
    // is an estimate that no rule should judge.
    const AssignedModule& module = curve.module();
    if (module.moduleId != 0) {
        input.stcPmpp = curve.stcCurve(true).pmpp();
        input.nominalPmpp = CurveKeyValues::ofModule(module).pmpp;
        input.siblingStcPmpps = siblingStcPmpps(item, curve);
    }
    input.moduleRs = STCparameters::number(curve.parameters().Rs);
    input.series = module.series;
    input.parallel = module.parallel;
    return input;
}

double CurveFindings::expectedPmpp(const CurveData& curve)
{
    const double nominal = CurveKeyValues::ofModule(curve.module()).pmpp;
    const double irradiance = reading(curve.readings().irradiance);
    double temperature = 0.0;
    if (nominal <= 0.0 || irradiance <= 0.0 || !CurveNumberText::parseUser(curve.readings().cellTemp, temperature))
        return 0.0;
    return CurveDiagnosis::expectedPmpp(nominal, irradiance, temperature, TypicalPowerCoefficient);
}

QVector<double> CurveFindings::siblingStcPmpps(const TreeItem* item, const CurveData& curve)
{
    QVector<double> powers;
    const TreeItem* folder = item->parent();
    for (int row = 0; folder && row < folder->childCount(); ++row) {
        const TreeItem* sibling = folder->child(row);
        CurveData* siblingCurve = sibling == item ? nullptr : curveOf(sibling);
        if (siblingCurve && siblingCurve != &curve && !siblingCurve->isEmpty() && sameStringLayout(curve, *siblingCurve))
            powers.append(siblingCurve->stcCurve(true).pmpp());
    }
    return powers;
}

CurveData* CurveFindings::curveOf(const TreeItem* item)
{
    const QVariant id = item ? item->value(TreeItem::CurveId) : QVariant();
    return id.isNull() ? nullptr : curves.curve(id.toInt());
}

bool CurveFindings::sameStringLayout(const CurveData& one, const CurveData& other)
{
    return one.module().moduleId == other.module().moduleId && one.module().series == other.module().series
           && one.module().parallel == other.module().parallel;
}

// An empty or unreadable reading counts as not measured.
double CurveFindings::reading(const QString& text)
{
    double value = 0.0;
    return CurveNumberText::parseUser(text, value) ? value : 0.0;
}

} // namespace IVCurve
