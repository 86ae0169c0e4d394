#pragma once

#include "DiagnosisFinding.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

namespace IVCurve {

// What the plot draws of one string: its name and colour, and the (V, I) points of its
// measured, converted, nominal and expected curves (any of them may be empty), the measured power
// over the expected power (0 when there is no expected curve), and the diagnosis of it.
struct CurveStringLines
{
    QString title;
    QColor colour;
    // Marked on the measured line.
    QVector<DiagnosisFinding> findings;
    QVector<QPointF> measured;
    QVector<QPointF> stc;
    QVector<QPointF> nominal;
    QVector<QPointF> expected;
    double performanceFactor = 0.0;
};

} // namespace IVCurve
