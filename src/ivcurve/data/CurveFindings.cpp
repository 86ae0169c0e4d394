#include "CurveFindings.h"

#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveDiagnosis.h"
#include "CurveKeyValues.h"
#include "CurveNumberText.h"
#include "IEC60891Procedure4.h"
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
    input.irradiance = STCparameters::number(curve.readings().irradiance);
    CurveNumberText::parseUser(curve.readings().cellTemp, input.cellTemperature);
    input.irradianceSpread = (item->value(TreeItem::Status).toUInt() & IrradianceSpread) || curve.hasIrradianceSpread();
    input.expectedPmpp = curve.expectedCurve().pmpp();
    // Without a module the conversion borrows another module's coefficients: its power at STC
    // is an estimate that no rule should judge.
    const AssignedModule& module = curve.module();
    if (module.moduleId != 0) {
        input.stcPmpp = curve.stcCurve(true).pmpp();
        input.nominalPmpp = CurveKeyValues::ofModule(module).pmpp;
        input.siblingStcPmpps = siblingStcPmpps(item, curve);
    }
    input.moduleRs = STCparameters::number(curve.parameters().Rs);
    input.cellsInSeries =
        IEC60891Procedure4::storedCoefficients(curve.parameters(), module, CurveKeyValues::ofCurve(curve).voc)
            .cellsInSeries;
    input.series = module.series;
    input.parallel = module.parallel;
    return input;
}

QVector<double> CurveFindings::siblingStcPmpps(const TreeItem* item, const CurveData& curve)
{
    const AssignedModule& module = curve.module();
    QVector<double> powers;
    for (const FiledString& sibling : stringsIn(item->parent())) {
        if (sibling.curve != &curve && sibling.moduleId == module.moduleId && sibling.series == module.series
            && sibling.parallel == module.parallel)
            powers.append(sibling.stcPmpp);
    }
    return powers;
}

void CurveFindings::forgetSiblings()
{
    folders.clear();
}

const QVector<CurveFindings::FiledString>& CurveFindings::stringsIn(const TreeItem* folder)
{
    const auto known = folders.constFind(folder);
    if (known != folders.constEnd())
        return *known;
    QVector<FiledString>& strings = folders[folder];
    for (int row = 0; folder && row < folder->childCount(); ++row) {
        CurveData* curve = curveOf(folder->child(row));
        if (curve && !curve->isEmpty() && curve->module().moduleId != 0) {
            const AssignedModule& module = curve->module();
            strings.append({curve, module.moduleId, module.series, module.parallel, curve->stcCurve(true).pmpp()});
        }
    }
    return strings;
}

CurveData* CurveFindings::curveOf(const TreeItem* item)
{
    const QVariant id = item ? item->value(TreeItem::CurveId) : QVariant();
    return id.isNull() ? nullptr : curves.curve(id.toInt());
}

} // namespace IVCurve
