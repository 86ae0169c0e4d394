#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

namespace IVCurve {

// What the plot draws of one string: its name and colour, and the (V, I) points of its
// measured, converted and nominal curves (any of them may be empty).
struct CurveStringLines
{
    QString title;
    QColor colour;
    QVector<QPointF> measured;
    QVector<QPointF> stc;
    QVector<QPointF> nominal;
};

} // namespace IVCurve
