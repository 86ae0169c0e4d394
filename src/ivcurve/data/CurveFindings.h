#pragma once

#include "CurveDiagnosisInput.h"
#include "DiagnosisFinding.h"
#include "DiagnosisThresholds.h"

#include <QHash>
#include <QVector>

class CurveData;

namespace IVCurve {

class CurveCollection;
class TreeItem;

// Reads what the diagnosis of one string needs from its curve and its place in the tree, and
// diagnoses it. The siblings of a string are the other curve nodes in its folder whose strings
// are built from the same module in the same layout; their curves are loaded on first use and
// then kept by the collection, so a folder's curves are read once however many of them are shown.
class CurveFindings
{
public:
    // A crystalline silicon module loses about 0.4 % of its power per °C above 25 °C.
    static constexpr double TypicalPowerCoefficient = -0.004;

    explicit CurveFindings(CurveCollection& collection);

    void setThresholds(const DiagnosisThresholds& thresholds);
    const DiagnosisThresholds& thresholds() const;

    // Nothing for a folder node, a node whose curve is gone and a result without points.
    QVector<DiagnosisFinding> findingsOf(const TreeItem* item);
    CurveDiagnosisInput inputOf(const TreeItem* item, CurveData& curve);
    // The power the string should give at the conditions it was measured in; 0 when the module,
    // the irradiance or the cell temperature is unknown.
    static double expectedPmpp(const CurveData& curve);
    QVector<double> siblingStcPmpps(const TreeItem* item, const CurveData& curve);
    void forgetSiblings();

private:
    // What the outlier rule compares of a string with a module.
    struct FiledString {
        const CurveData* curve;
        unsigned moduleId;
        unsigned series;
        unsigned parallel;
        double stcPmpp;
    };

    CurveData* curveOf(const TreeItem* item);
    const QVector<FiledString>& stringsIn(const TreeItem* folder);
    static double reading(const QString& text);

    CurveCollection& curves;
    DiagnosisThresholds limits;
    QHash<const TreeItem*, QVector<FiledString>> folders;
};

} // namespace IVCurve
