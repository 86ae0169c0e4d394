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
    explicit CurveFindings(CurveCollection& collection);

    void setThresholds(const DiagnosisThresholds& thresholds);
    const DiagnosisThresholds& thresholds() const;

    // Nothing for a folder node, a node whose curve is gone and a result without points.
    QVector<DiagnosisFinding> findingsOf(const TreeItem* item);
    CurveDiagnosisInput inputOf(const TreeItem* item, CurveData& curve);
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

    CurveCollection& curves;
    DiagnosisThresholds limits;
    QHash<const TreeItem*, QVector<FiledString>> folders;
};

} // namespace IVCurve
