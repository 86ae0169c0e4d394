#pragma once

#include "CurveLineKind.h"
#include "Failure.h"

#include <QCoreApplication>
#include <QString>

class CurveData;
class QWidget;

namespace IVCurve {

// Writes the points of one curve as CSV text a spreadsheet reads in the user's locale: the
// measured, converted or expected curve, as current or as power against voltage.
class CurvePointsExport
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurvePointsExport)

public:
    // `kind` is one of the measured, STC or expected kinds.
    CurvePointsExport(CurveLineKind kind, const QString& name, CurveData& curve);

    // Asks for the file and writes it; false when nothing was written.
    bool run(QWidget* parent);
    // The whole text of the file.
    QString text() const;
    Failure writeTo(const QString& path) const;

    // "MEAS ", "STC " or "EXP ", after "PWR " for the power kinds.
    QString kindWords() const;

private:
    QString familyWord() const;
    const QVector<QPointF>& ivPoints() const;
    QVector<QPointF> exportedPoints() const;

    CurveLineKind kind;
    QString name;
    CurveData& curve;
};

} // namespace IVCurve
