#pragma once

#include <QPolygonF>

class QwtScaleMap;

namespace IVCurve {

// Leaves out the points of a polyline that the eye cannot miss: every point left out lies within
// `tolerance` of the line drawn through the points kept. A curve of hundreds of points shrinks to
// the few dozen its shape needs on the pixels it covers, which is what makes thousands of lines
// quick to draw.
class PolylineThinning
{
public:
    // The first and the last point are always kept.
    static QPolygonF thinned(const QPolygonF& points, double tolerance);
    // One pass in place, for the thousands of lines of a crowded plot: a point goes while it stays
    // in a strip of half the tolerance around the line from the last point kept, moving on along
    // it. Keeps more points than `thinned` may, but never a point that the eye could miss.
    static void thinAlongStrips(QPolygonF& points, double tolerance);
    // The same for `points` mapped to pixels by the scale maps, into `pixels`.
    static void thinAlongStrips(const QVector<QPointF>& points, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                                double tolerance, QPolygonF& pixels);
    // In place: drops the points of every run that stays outside `rect` on one side, keeping the
    // run's ends, so what is drawn inside is unchanged. Deep in a zoom most of a line goes.
    static void trimOutside(QPolygonF& points, const QRectF& rect);

private:
    // Hands the points to keep to `keep`, in order, reading each point once through `pointAt`.
    template <typename PointAt, typename Keep>
    static void thinStrips(int count, PointAt pointAt, Keep keep, double tolerance);
    // The point between `first` and `last` farthest from their chord, if it lies beyond the
    // tolerance; -1 otherwise.
    static int farthestBeyond(const QPolygonF& points, int first, int last, double tolerance);
    static int farthestFromPoint(const QPolygonF& points, int first, int last, double tolerance);
    // Which sides of `rect` the point lies beyond, one bit a side; 0 inside or on the edge.
    static int sidesOutside(const QPointF& point, const QRectF& rect);
};

} // namespace IVCurve
