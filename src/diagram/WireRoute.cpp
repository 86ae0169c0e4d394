#include "WireRoute.h"

#include "ConnectionPoint.h"

#include <array>
#include <initializer_list>

namespace {
// Classes of how A leaves its box and B is entered.
enum Class {
    AwayVertical = 1, TowardsVertical = 9, TowardsHorizontal = 2, AwayHorizontal = 8,
    FacingVertical = 13, AverseVertical = 7, FacingHorizontal = 6, AverseHorizontal = 14
};

// Levels a step moves to: y levels replace the y of the last point, x levels its x.
enum Level {
    AFarY = 1, AEndY = 2, ANearY = 3, MiddleY = 4, BNearY = 5, BEndY = 6, BFarY = 7,
    AFarX = 8, AEndX = 9, ANearX = 10, MiddleX = 11, BNearX = 12, BEndX = 13, BFarX = 14
};

enum Special {
    Any = 0, BEndInAVertical = 0x20, AEndInBVertical = 0x10, BEndInAHorizontal = 8,
    AEndInBHorizontal = 4, OverlapVertical = 2, OverlapHorizontal = 1
};

struct Row
{
    int exit;
    int entry;
    int special;
    std::array<int, 4> steps;
};

const Row routeTable[] = {
    {AwayVertical, FacingVertical, Any, {AFarY, BEndX}},
    {AwayVertical, FacingVertical, BEndInAHorizontal, {AFarY, BFarX, MiddleY, BEndX}},
    {AwayVertical, AverseVertical, Any, {AFarY, MiddleX, BFarY, BEndX}},
    {AwayVertical, AverseVertical, OverlapHorizontal, {AFarY, AFarX, BFarY, BEndX}},
    {AwayVertical, FacingHorizontal, Any, {AFarY, MiddleX, BEndY, BEndX}},
    {AwayVertical, FacingHorizontal, BEndInAVertical, {AFarY, MiddleX, BEndY}},
    {AwayVertical, FacingHorizontal, OverlapHorizontal, {AFarY, AFarX, BEndY, BEndX}},
    {AwayVertical, AverseHorizontal, Any, {AFarY, BFarX, BEndY}},
    {TowardsVertical, FacingVertical, Any, {MiddleY, BEndX}},
    {TowardsVertical, FacingVertical, OverlapVertical, {ANearY, MiddleX, BNearY, BEndX}},
    {TowardsVertical, AverseVertical, Any, {BFarY, BEndX}},
    {TowardsVertical, AverseVertical, AEndInBHorizontal, {MiddleY, AFarX, BFarY, BEndX}},
    {TowardsVertical, FacingHorizontal, Any, {BEndY}},
    {TowardsVertical, FacingHorizontal, BEndInAVertical, {ANearY, MiddleX, BEndY}},
    {TowardsVertical, FacingHorizontal, AEndInBHorizontal, {MiddleY, AFarX, BEndY}},
    {TowardsVertical, AverseHorizontal, Any, {MiddleY, BFarX, BEndY}},
    {TowardsVertical, AverseHorizontal, AEndInBHorizontal, {MiddleY, BFarX, BEndY}},
    {TowardsVertical, AverseHorizontal, OverlapVertical, {BFarY, BFarX, BEndY}},
    {TowardsHorizontal, FacingVertical, Any, {BEndX}},
    {TowardsHorizontal, FacingVertical, AEndInBVertical, {MiddleX, AFarY, BEndX}},
    {TowardsHorizontal, FacingVertical, BEndInAHorizontal, {ANearX, MiddleY, BEndX}},
    {TowardsHorizontal, AverseVertical, Any, {MiddleX, BFarY, BEndX}},
    {TowardsHorizontal, AverseVertical, AEndInBVertical, {MiddleX, BFarY, BEndX}},
    {TowardsHorizontal, AverseVertical, OverlapHorizontal, {BFarX, BFarY, BEndX}},
    {TowardsHorizontal, FacingHorizontal, Any, {MiddleX, BEndY}},
    {TowardsHorizontal, FacingHorizontal, OverlapHorizontal, {ANearX, MiddleY, BNearX, BEndY}},
    {TowardsHorizontal, AverseHorizontal, Any, {BFarX, BEndY}},
    {TowardsHorizontal, AverseHorizontal, AEndInBVertical, {ANearX, BFarY, BFarX, BEndY}},
    {AwayHorizontal, FacingVertical, Any, {AFarX, MiddleY, BEndX}},
    {AwayHorizontal, FacingVertical, BEndInAHorizontal, {AFarX, MiddleY, BEndX}},
    {AwayHorizontal, FacingVertical, OverlapVertical, {AFarX, AFarY, BEndX}},
    {AwayHorizontal, AverseVertical, Any, {AFarX, BFarY, BEndX}},
    {AwayHorizontal, FacingHorizontal, Any, {AFarX, BEndY}},
    {AwayHorizontal, FacingHorizontal, BEndInAVertical, {AFarX, AFarY, MiddleX, BEndY}},
    {AwayHorizontal, AverseHorizontal, Any, {AFarX, MiddleY, BFarX, BEndY}},
    {AwayHorizontal, AverseHorizontal, OverlapVertical, {AFarX, AFarY, BFarX, BEndY}},
};

const Row* findRow(int exit, int entry, int special)
{
    for (const Row& row : routeTable) {
        if (row.exit == exit && row.entry == entry && row.special == special)
            return &row;
    }
    return nullptr;
}

const Row* chooseRow(int exit, int entry, int specials)
{
    for (int bit : {BEndInAVertical, AEndInBVertical, BEndInAHorizontal, AEndInBHorizontal, OverlapVertical,
                    OverlapHorizontal}) {
        if (specials & bit) {
            if (const Row* row = findRow(exit, entry, bit))
                return row;
        }
    }
    return findRow(exit, entry, Any);
}

bool isSide(int side)
{
    return side == ConnectionPoint::Top || side == ConnectionPoint::Bottom || side == ConnectionPoint::Right
        || side == ConnectionPoint::Left;
}

bool within(qreal value, qreal low, qreal high)
{
    return value >= low && value <= high;
}

// The coordinate each level stands for, indexed by level code.
std::array<qreal, 15> levels(const WireRoute::End& a, const WireRoute::End& b, bool aIsUpper, bool aIsLeft)
{
    const QRectF united = a.obstacle | b.obstacle;
    std::array<qreal, 15> at {};
    at[AFarY] = aIsUpper ? united.top() : united.bottom();
    at[BFarY] = aIsUpper ? united.bottom() : united.top();
    at[ANearY] = aIsUpper ? a.obstacle.bottom() : a.obstacle.top();
    at[BNearY] = aIsUpper ? b.obstacle.top() : b.obstacle.bottom();
    at[MiddleY] = (at[ANearY] + at[BNearY]) / 2;
    at[AEndY] = a.point.y();
    at[BEndY] = b.point.y();
    at[AFarX] = aIsLeft ? united.left() : united.right();
    at[BFarX] = aIsLeft ? united.right() : united.left();
    at[ANearX] = aIsLeft ? a.obstacle.right() : a.obstacle.left();
    at[BNearX] = aIsLeft ? b.obstacle.left() : b.obstacle.right();
    at[MiddleX] = (at[ANearX] + at[BNearX]) / 2;
    at[AEndX] = a.point.x();
    at[BEndX] = b.point.x();
    return at;
}
} // namespace

int WireRoute::exitClass(int side, bool aIsUpper, bool aIsLeft)
{
    switch (side) {
    case ConnectionPoint::Top: return aIsUpper ? AwayVertical : TowardsVertical;
    case ConnectionPoint::Bottom: return aIsUpper ? TowardsVertical : AwayVertical;
    case ConnectionPoint::Right: return aIsLeft ? TowardsHorizontal : AwayHorizontal;
    default: return aIsLeft ? AwayHorizontal : TowardsHorizontal;
    }
}

int WireRoute::entryClass(int side, bool aIsUpper, bool aIsLeft)
{
    switch (side) {
    case ConnectionPoint::Top: return aIsUpper ? FacingVertical : AverseVertical;
    case ConnectionPoint::Bottom: return aIsUpper ? AverseVertical : FacingVertical;
    case ConnectionPoint::Right: return aIsLeft ? AverseHorizontal : FacingHorizontal;
    default: return aIsLeft ? FacingHorizontal : AverseHorizontal;
    }
}

int WireRoute::specialCases(const End& a, const End& b)
{
    int bits = 0;
    if (within(b.point.y(), a.obstacle.top(), a.obstacle.bottom()))
        bits |= BEndInAVertical;
    if (within(a.point.y(), b.obstacle.top(), b.obstacle.bottom()))
        bits |= AEndInBVertical;
    if (within(b.point.x(), a.obstacle.left(), a.obstacle.right()))
        bits |= BEndInAHorizontal;
    if (within(a.point.x(), b.obstacle.left(), b.obstacle.right()))
        bits |= AEndInBHorizontal;
    if (a.obstacle.bottom() >= b.obstacle.top() && b.obstacle.bottom() >= a.obstacle.top())
        bits |= OverlapVertical;
    if (a.obstacle.right() >= b.obstacle.left() && b.obstacle.right() >= a.obstacle.left())
        bits |= OverlapHorizontal;
    return bits;
}

QPolygonF WireRoute::compute(const End& a, const End& b)
{
    QPolygonF route;
    route << a.point;
    if (!isSide(a.side) || !isSide(b.side)) {
        route << b.point;
        return route;
    }
    const QRectF united = a.obstacle | b.obstacle;
    const bool aIsUpper = a.obstacle.top() == united.top();
    const bool aIsLeft = a.obstacle.left() == united.left();
    const Row* row = chooseRow(exitClass(a.side, aIsUpper, aIsLeft), entryClass(b.side, aIsUpper, aIsLeft),
                               specialCases(a, b));
    const std::array<qreal, 15> at = levels(a, b, aIsUpper, aIsLeft);
    for (int level : row->steps) {
        if (level == 0)
            break;
        QPointF next = route.last();
        if (level <= BFarY)
            next.setY(at[level]);
        else
            next.setX(at[level]);
        route << next;
    }
    route << b.point;
    return route;
}
