#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

namespace IVCurve {

// What the plot draws of one string: its name and colour, and the (V, I) points of its
// measured, converted, nominal and expected curves (any of them may be empty), and the measured
// power over the expected power (0 when there is no expected curve).
struct CurveStringLines
{
    QString title;
    QColor colour;
    QVector<QPointF> measured;
    QVector<QPointF> stc;
    QVector<QPointF> nominal;
    QVector<QPointF> expected;
    double performanceFactor = 0.0;
};

} // namespace IVCurve
