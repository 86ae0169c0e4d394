#include "PolylineThinning.h"

#include <qwt_scale_map.h>

#include <QPair>
#include <QVector>

namespace IVCurve {

// Douglas and Peucker's method, with a stack in place of recursion: a span whose farthest point
// lies within the tolerance of its chord is drawn as that chord; otherwise the farthest point is
// kept and both halves are looked at again.
QPolygonF PolylineThinning::thinned(const QPolygonF& points, double tolerance)
{
    const int count = points.size();
    if (count < 3)
        return points;
    QVector<bool> kept(count, false);
    kept[0] = true;
    kept[count - 1] = true;
    QVector<QPair<int, int>> spans{{0, count - 1}};
    while (!spans.isEmpty()) {
        const QPair<int, int> span = spans.takeLast();
        const int farthest = farthestBeyond(points, span.first, span.second, tolerance);
        if (farthest < 0)
            continue;
        kept[farthest] = true;
        spans.append({span.first, farthest});
        spans.append({farthest, span.second});
    }
    QPolygonF result;
    for (int i = 0; i < count; ++i) {
        if (kept.at(i))
            result.append(points.at(i));
    }
    return result;
}

// Distances to the segment, not to the endless line through it: a spike that turns back along
// the line is far from the chord although it lies on its line. They are compared multiplied by
// the chord's squared length, which spares a division for each point.
int PolylineThinning::farthestBeyond(const QPolygonF& points, int first, int last, double tolerance)
{
    const QPointF from = points.at(first);
    const QPointF to = points.at(last);
    const QPointF along = to - from;
    const double length = QPointF::dotProduct(along, along);
    if (length == 0.0)
        return farthestFromPoint(points, first, last, tolerance);
    int farthest = -1;
    double widest = tolerance * tolerance * length;
    for (int i = first + 1; i < last; ++i) {
        const QPointF offset = points.at(i) - from;
        const double projection = QPointF::dotProduct(offset, along);
        double scaled;
        if (projection <= 0.0) {
            scaled = QPointF::dotProduct(offset, offset) * length;
        } else if (projection >= length) {
            const QPointF beyond = points.at(i) - to;
            scaled = QPointF::dotProduct(beyond, beyond) * length;
        } else {
            const double cross = offset.x() * along.y() - offset.y() * along.x();
            scaled = cross * cross;
        }
        if (scaled > widest) {
            widest = scaled;
            farthest = i;
        }
    }
    return farthest;
}

void PolylineThinning::thinAlongStrips(QPolygonF& points, double tolerance)
{
    int kept = 0;
    thinStrips(
        points.size(), [&points](int i) { return points.at(i); }, [&points, &kept](const QPointF& point) { points[kept++] = point; },
        tolerance);
    points.resize(kept);
}

// Mapped as it is thinned, the line needs no room for all its pixels, only for those it keeps.
void PolylineThinning::thinAlongStrips(const QVector<QPointF>& points, const QwtScaleMap& xMap,
                                       const QwtScaleMap& yMap, double tolerance, QPolygonF& pixels)
{
    pixels.clear();
    thinStrips(
        points.size(),
        [&](int i) {
            const QPointF& point = points.at(i);
            return QPointF(xMap.transform(point.x()), yMap.transform(point.y()));
        },
        [&pixels](const QPointF& pixel) { pixels.append(pixel); }, tolerance);
}

// The strip is aimed at the first point beyond half the tolerance from the last point kept. A
// point left out lies within half the tolerance of that aim, and so does the point that ends the
// chord, no nearer along it: so the point left out lies within the whole tolerance of the chord.
// Points are kept in order, each after every point before it has been looked at, so the points
// kept may overwrite those looked at.
template <typename PointAt, typename Keep>
void PolylineThinning::thinStrips(int count, PointAt pointAt, Keep keep, double tolerance)
{
    if (count < 3) {
        for (int i = 0; i < count; ++i)
            keep(pointAt(i));
        return;
    }
    const double halfSquared = tolerance * tolerance / 4.0;
    QPointF previous = pointAt(0);
    keep(previous);
    QPointF anchor = previous;
    QPointF aim;
    double aimSquared = 0.0;
    double reached = 0.0;
    const auto aimAt = [&](const QPointF& point) {
        aim = point - anchor;
        aimSquared = QPointF::dotProduct(aim, aim);
        if (aimSquared <= halfSquared)
            aimSquared = 0.0;
        reached = aimSquared;
    };
    for (int i = 1; i < count; ++i) {
        const QPointF point = pointAt(i);
        if (aimSquared == 0.0) {
            aimAt(point);
            previous = point;
            continue;
        }
        const QPointF offset = point - anchor;
        const double along = QPointF::dotProduct(offset, aim);
        const double across = offset.x() * aim.y() - offset.y() * aim.x();
        if (along < reached || across * across > halfSquared * aimSquared) {
            anchor = previous;
            keep(anchor);
            aimAt(point);
        } else {
            reached = along;
        }
        previous = point;
    }
    keep(previous);
}

int PolylineThinning::farthestFromPoint(const QPolygonF& points, int first, int last, double tolerance)
{
    int farthest = -1;
    double widest = tolerance * tolerance;
    for (int i = first + 1; i < last; ++i) {
        const QPointF gap = points.at(i) - points.at(first);
        const double distance = QPointF::dotProduct(gap, gap);
        if (distance > widest) {
            widest = distance;
            farthest = i;
        }
    }
    return farthest;
}

int PolylineThinning::sidesOutside(const QPointF& point, const QRectF& rect)
{
    return (point.x() < rect.left() ? 1 : 0) | (point.x() > rect.right() ? 2 : 0) | (point.y() < rect.top() ? 4 : 0)
           | (point.y() > rect.bottom() ? 8 : 0);
}

// A point goes when the last point kept, the point and the next all lie beyond one side: then the
// straight line from the kept point to the next stays beyond that side too, as the path did.
void PolylineThinning::trimOutside(QPolygonF& points, const QRectF& rect)
{
    const int count = points.size();
    if (count < 3)
        return;
    int kept = 1;
    int keptSides = sidesOutside(points.at(0), rect);
    int sides = sidesOutside(points.at(1), rect);
    for (int i = 1; i < count - 1; ++i) {
        const int nextSides = sidesOutside(points.at(i + 1), rect);
        if ((keptSides & sides & nextSides) == 0) {
            points[kept++] = points.at(i);
            keptSides = sides;
        }
        sides = nextSides;
    }
    points[kept++] = points.at(count - 1);
    points.resize(kept);
}

} // namespace IVCurve
