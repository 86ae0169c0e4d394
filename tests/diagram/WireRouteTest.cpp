#include "ConnectionPoint.h"
#include "TestMain.h"
#include "WireRoute.h"

#include <QTest>
#include <QTransform>

Q_DECLARE_METATYPE(WireRoute::End)

namespace {
constexpr qreal margin = 2.5;

// An end on a box as a wire sees it: the box grown by the wire's margin.
WireRoute::End end(const QRectF& box, const QPointF& point, int side)
{
    return {box.adjusted(-margin, -margin, margin, margin), point, side};
}

// A side as it faces after the drawing is mirrored or turned by `transform`.
int turnedSide(int side, const QTransform& transform)
{
    const bool flipsX = transform.m11() < 0;
    const bool flipsY = transform.m22() < 0;
    switch (side) {
    case ConnectionPoint::Top: return flipsY ? ConnectionPoint::Bottom : side;
    case ConnectionPoint::Bottom: return flipsY ? ConnectionPoint::Top : side;
    case ConnectionPoint::Right: return flipsX ? ConnectionPoint::Left : side;
    default: return flipsX ? ConnectionPoint::Right : side;
    }
}

WireRoute::End turned(const WireRoute::End& end, const QTransform& transform)
{
    return {transform.mapRect(end.obstacle), transform.map(end.point), turnedSide(end.side, transform)};
}

bool isVertical(int side)
{
    return side == ConnectionPoint::Top || side == ConnectionPoint::Bottom;
}
} // namespace

class WireRouteTest : public QObject
{
    Q_OBJECT

private slots:
    void handDrawnRoutes_data();
    void handDrawnRoutes();
    void everyRouteIsOrthogonalAndLeavesAlongItsSide();
    void routesTurnWithTheBoxes_data();
    void routesTurnWithTheBoxes();
    void unknownSideGivesAStraightLine();
};

void WireRouteTest::handDrawnRoutes_data()
{
    QTest::addColumn<WireRoute::End>("a");
    QTest::addColumn<WireRoute::End>("b");
    QTest::addColumn<QPolygonF>("route");
    const QRectF upperLeft(0, 0, 100, 50);
    const QRectF lowerRight(200, 100, 100, 50);

    QTest::newRow("up and over into the top of B")
        << end(upperLeft, {50, 0}, ConnectionPoint::Top) << end(lowerRight, {250, 100}, ConnectionPoint::Top)
        << QPolygonF({{50, 0}, {50, -2.5}, {250, -2.5}, {250, 100}});
    QTest::newRow("down to the middle, across, down into B")
        << end(upperLeft, {50, 50}, ConnectionPoint::Bottom) << end(lowerRight, {250, 100}, ConnectionPoint::Top)
        << QPolygonF({{50, 50}, {50, 75}, {250, 75}, {250, 100}});
    QTest::newRow("side by side: down, to the gap, up and over")
        << end(upperLeft, {50, 50}, ConnectionPoint::Bottom)
        << end(QRectF(200, 20, 100, 50), {250, 20}, ConnectionPoint::Top)
        << QPolygonF({{50, 50}, {50, 52.5}, {150, 52.5}, {150, 17.5}, {250, 17.5}, {250, 20}});
    QTest::newRow("right, down the middle, right into B")
        << end(upperLeft, {100, 25}, ConnectionPoint::Right) << end(lowerRight, {200, 125}, ConnectionPoint::Left)
        << QPolygonF({{100, 25}, {150, 25}, {150, 125}, {200, 125}});
    QTest::newRow("left, round below A, into the top of B")
        << end(upperLeft, {0, 25}, ConnectionPoint::Left) << end(lowerRight, {250, 100}, ConnectionPoint::Top)
        << QPolygonF({{0, 25}, {-2.5, 25}, {-2.5, 75}, {250, 75}, {250, 100}});
    QTest::newRow("from the lower box down, under it, up into B")
        << end(lowerRight, {250, 150}, ConnectionPoint::Bottom) << end(upperLeft, {50, 50}, ConnectionPoint::Bottom)
        << QPolygonF({{250, 150}, {250, 152.5}, {50, 152.5}, {50, 50}});
    QTest::newRow("B's end above A: right, down the middle")
        << end(upperLeft, {100, 25}, ConnectionPoint::Right) << end(QRectF(200, 0, 100, 50), {200, 30}, ConnectionPoint::Left)
        << QPolygonF({{100, 25}, {150, 25}, {150, 30}, {200, 30}});
}

void WireRouteTest::handDrawnRoutes()
{
    QFETCH(WireRoute::End, a);
    QFETCH(WireRoute::End, b);
    QFETCH(QPolygonF, route);
    QCOMPARE(WireRoute::compute(a, b), route);
}

// Whatever the table row, the route runs in straight horizontal and vertical pieces, first along
// the side A leaves from.
void WireRouteTest::everyRouteIsOrthogonalAndLeavesAlongItsSide()
{
    const int sides[] = {ConnectionPoint::Top, ConnectionPoint::Bottom, ConnectionPoint::Right, ConnectionPoint::Left};
    const QRectF a(0, 0, 100, 60);
    const QPointF offsets[] = {{300, 0}, {-300, 0}, {0, 200}, {0, -200}, {250, 180}, {-250, -180},
                               {250, -180}, {-250, 180}, {60, 30}, {150, 20}, {40, 120}};
    for (const QPointF& offset : offsets) {
        const QRectF b = a.translated(offset);
        for (int sideA : sides) {
            for (int sideB : sides) {
                const auto onSide = [](const QRectF& box, int side) {
                    switch (side) {
                    case ConnectionPoint::Top: return QPointF(box.center().x(), box.top());
                    case ConnectionPoint::Bottom: return QPointF(box.center().x(), box.bottom());
                    case ConnectionPoint::Right: return QPointF(box.right(), box.center().y());
                    default: return QPointF(box.left(), box.center().y());
                    }
                };
                const QPointF pointA = onSide(a, sideA);
                const QPointF pointB = onSide(b, sideB);
                const QPolygonF route = WireRoute::compute(end(a, pointA, sideA), end(b, pointB, sideB));
                const QByteArray where = QStringLiteral("offset %1,%2 sides %3 %4")
                                             .arg(offset.x()).arg(offset.y()).arg(sideA).arg(sideB).toLatin1();
                QVERIFY2(route.size() >= 3, where);
                QCOMPARE(route.first(), pointA);
                QCOMPARE(route.last(), pointB);
                for (int i = 1; i < route.size(); ++i)
                    QVERIFY2(route.at(i).x() == route.at(i - 1).x() || route.at(i).y() == route.at(i - 1).y(), where);
                const QPointF firstStep = route.at(1) - route.at(0);
                QVERIFY2(isVertical(sideA) ? firstStep.x() == 0 : firstStep.y() == 0, where);
            }
        }
    }
}

// The same drawing turned or mirrored gives the same route, turned or mirrored: how a wire runs
// depends on where the boxes lie to each other, not on which of them is above or left.
void WireRouteTest::routesTurnWithTheBoxes_data()
{
    handDrawnRoutes_data();
}

void WireRouteTest::routesTurnWithTheBoxes()
{
    QFETCH(WireRoute::End, a);
    QFETCH(WireRoute::End, b);
    QFETCH(QPolygonF, route);
    const struct
    {
        const char* name;
        QTransform transform;
    } turns[] = {
        {"mirrored left to right", QTransform(-1, 0, 0, 1, 300, 0)},
        {"mirrored top to bottom", QTransform(1, 0, 0, -1, 0, 150)},
        {"half a turn", QTransform(-1, 0, 0, -1, 300, 150)},
    };
    for (const auto& turn : turns) {
        const QPolygonF computed = WireRoute::compute(turned(a, turn.transform), turned(b, turn.transform));
        QVERIFY2(computed == turn.transform.map(route), turn.name);
    }
}

void WireRouteTest::unknownSideGivesAStraightLine()
{
    const QPolygonF route = WireRoute::compute(end(QRectF(0, 0, 10, 10), {10, 5}, 3),
                                               end(QRectF(100, 100, 10, 10), {100, 105}, ConnectionPoint::Left));
    QCOMPARE(route, QPolygonF(QVector<QPointF> {{10, 5}, {100, 105}}));
}

VELTRANO_TEST(WireRouteTest)
#include "WireRouteTest.moc"
