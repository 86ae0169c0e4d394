#pragma once

#include "DiagnosisFinding.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

namespace IVCurve {

// The diagnosis as the curve report gives it: a few words per finding in the string's row, and
// after the tables how many strings showed each kind of finding.
class CurveFindingsSummary
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveFindingsSummary)

public:
    // The findings of one string, one short text a line, as HTML.
    static QString cell(const QVector<DiagnosisFinding>& findings);
    static QString shortText(const DiagnosisFinding& finding);
    // One sentence per kind of finding that occurred, and the count of strings whose findings are
    // uncertain; as HTML. `findingsPerString` holds one entry per reported string.
    static QString summary(const QVector<QVector<DiagnosisFinding>>& findingsPerString);

private:
    static QString kindName(DiagnosisFinding::Kind kind);
    static QString percent(double share);
};

} // namespace IVCurve
