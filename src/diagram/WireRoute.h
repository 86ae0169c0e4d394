#pragma once

#include <QPolygonF>
#include <QRectF>

// The orthogonal path of a wire between two boxes: it leaves each end in the direction of the
// side it sits on and keeps clear of both boxes. The path is chosen from a table by how each end
// faces the other box and by how the boxes lie to each other.
class WireRoute
{
public:
    struct End
    {
        QRectF obstacle;
        QPointF point;
        int side = 0;
    };

    static QPolygonF compute(const End& a, const End& b);

    // How A leaves and B is entered, relative to the other box (codes of the route table).
    static int exitClass(int side, bool aIsUpper, bool aIsLeft);
    static int entryClass(int side, bool aIsUpper, bool aIsLeft);
    // The special-case bits of the route table: which ends lie within the other box's span and
    // whether the boxes overlap.
    static int specialCases(const End& a, const End& b);
};
