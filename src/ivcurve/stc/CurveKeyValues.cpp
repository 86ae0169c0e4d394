#include "CurveKeyValues.h"

#include "AssignedModule.h"
#include "CurveData.h"

namespace IVCurve {

CurveKeyValues CurveKeyValues::ofCurve(const CurveData& curve)
{
    CurveKeyValues values;
    const QVector<QPointF>& points = curve.points();
    if (points.isEmpty())
        return values;
    for (const QPointF& point : points)
        values.pmpp = qMax(values.pmpp, point.x() * point.y());
    values.voc = points.last().x();
    values.isc = points.first().y();
    const QPointF mpp = curve.mpp();
    values.vmpp = mpp.x();
    values.impp = mpp.y();
    return values;
}

CurveKeyValues CurveKeyValues::ofModule(const AssignedModule& module)
{
    CurveKeyValues values;
    if (module.moduleId == 0)
        return values;
    values.voc = module.series * module.Voc;
    values.vmpp = module.series * module.Vmpp;
    values.isc = module.parallel * module.Isc;
    values.impp = module.parallel * module.Impp;
    values.pmpp = values.vmpp * values.impp;
    return values;
}

} // namespace IVCurve
