#pragma once

#include <QPointF>
#include <QVector>

class CurveData;
struct AssignedModule;

namespace IVCurve {

// The five numbers a report gives of a curve.
struct CurveKeyValues
{
    double pmpp = 0.0;
    double voc = 0.0;
    double isc = 0.0;
    double vmpp = 0.0;
    double impp = 0.0;

    // Voc from the last point and Isc from the first, which on a curve extended to the axes are
    // the crossings themselves; the maximum power point is the curve's own.
    static CurveKeyValues ofCurve(const CurveData& curve);
    // The string's data-sheet values: modules in series add voltage, strings in parallel add
    // current. All 0 without a module.
    static CurveKeyValues ofModule(const AssignedModule& module);
};

} // namespace IVCurve
