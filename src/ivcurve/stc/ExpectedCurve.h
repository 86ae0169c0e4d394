#pragma once

#include "AssignedModule.h"
#include "STCparameters.h"

#include <QPointF>
#include <QVector>

namespace IVCurve {

// What a string should give at the irradiance G and cell temperature T of its measurement: the
// data sheet's curve at STC carried to G and T by the inverse of the conversion method the curve
// uses, so that converting the result to STC by that method gives the data sheet's curve back.
// Where a method takes a value from the measurement (its Isc or its Voc), the expected curve's
// own value stands in, so a fault of the measured string cannot move its expectation.
class ExpectedCurve
{
public:
    ExpectedCurve(const STCparameters& parameters, const AssignedModule& module, double irradiance,
                  double temperature);

    // False without a module's data sheet or without both conditions (0 counts as missing, as for
    // every reading of the file).
    bool isPossible() const;
    // Every point of `nominal`, which starts at short circuit and ends at open circuit, carried
    // to G and T in the same order; empty when that is not possible.
    QVector<QPointF> translated(const QVector<QPointF>& nominal) const;

    // The part of `points` between the current axis and the voltage axis, ending on both: cut
    // where the points cross an axis, or continued along the outermost points as far as
    // AxisCrossing reaches and straight to the axis beyond.
    static QVector<QPointF> betweenTheAxes(const QVector<QPointF>& points);

private:
    QVector<QPointF> blaesser(const QVector<QPointF>& nominal) const;
    QVector<QPointF> procedure1(const QVector<QPointF>& nominal) const;
    QVector<QPointF> procedure2(const QVector<QPointF>& nominal) const;
    QVector<QPointF> procedure4(const QVector<QPointF>& nominal) const;
    QVector<QPointF> anderson(const QVector<QPointF>& nominal) const;
    // Procedures 1 and 4 raise the current by the measured Isc times (G_STC / G − 1): the Isc
    // that rise and the temperature term lead back to from the data sheet's first point.
    double shortCircuitCurrentAtConditions(const QVector<QPointF>& nominal, double alpha) const;
    double coefficient(const QString& text) const;

    const STCparameters parameters;
    const AssignedModule module;
    const double G;
    const double T;
};

} // namespace IVCurve
