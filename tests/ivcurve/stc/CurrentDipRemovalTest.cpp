#include "CurrentDipRemoval.h"
#include "CurveData.h"
#include "TestMain.h"

#include <QRandomGenerator>
#include <QTest>

using namespace IVCurve;

namespace {
// The rule as first written: one pass over the whole converted curve, then a rebuilt measured
// curve, until a pass marks nothing. The quick removal must end with the same points.
void removeByPasses(CurveData& curve)
{
    while (true) {
        const QVector<QPointF>& converted = curve.stcCurve(false).points();
        QVector<bool> marked(converted.size(), false);
        bool anyMarked = false;
        for (int i = 2; i < converted.size(); ++i) {
            const double twoBack = converted.at(i - 2).y();
            const double previous = converted.at(i - 1).y();
            if (twoBack != 0.0 && twoBack >= previous && converted.at(i).y() >= previous) {
                marked[i - 1] = true;
                anyMarked = true;
            }
        }
        if (!anyMarked)
            return;
        CurveData rebuilt;
        rebuilt.setReadings(curve.readings());
        rebuilt.setParameters(curve.parameters());
        rebuilt.setModule(curve.module());
        for (int i = 0; i < curve.points().size(); ++i) {
            if (!marked.at(i)) {
                const CurvePoint& info = curve.pointInfo().at(i);
                rebuilt.addPoint(curve.points().at(i).x(), curve.points().at(i).y(), info.irradiance, info.tag);
            }
        }
        curve = std::move(rebuilt);
    }
}

// Few distinct values, so that ties, zeros and points holding the largest voltage or current
// come often; irradiances of 0 and 1000 among others.
CurveData randomCurve(QRandomGenerator& random, int method)
{
    CurveData curve;
    CurveReadings readings;
    readings.irradiance = random.bounded(2) ? QStringLiteral("800") : QString();
    readings.cellTemp = QString::number(random.bounded(80));
    readings.isc = random.bounded(2) ? QStringLiteral("8") : QString();
    readings.fileVersion = random.bounded(3);
    curve.setReadings(readings);
    STCparameters parameters = curve.parameters();
    parameters.algorithm = method;
    curve.setParameters(parameters);
    const int count = 3 + random.bounded(40);
    const double irradiances[] = {0.0, 1000.0, 700.0, 850.0, -5.0};
    for (int i = 0; i < count; ++i)
        curve.addPoint(random.bounded(6) * 10.0, random.bounded(5) * 0.5, irradiances[random.bounded(5)], i);
    return curve;
}

QString pointsOf(const CurveData& curve)
{
    QStringList points;
    for (int i = 0; i < curve.points().size(); ++i)
        points << QStringLiteral("%1:%2:%3:%4")
                      .arg(curve.points().at(i).x())
                      .arg(curve.points().at(i).y())
                      .arg(curve.pointInfo().at(i).irradiance)
                      .arg(curve.pointInfo().at(i).tag);
    return points.join(QLatin1Char('#'));
}
} // namespace

class CurrentDipRemovalTest : public QObject
{
    Q_OBJECT

private slots:
    void sameResultAsPassesOverTheWholeCurve_data();
    void sameResultAsPassesOverTheWholeCurve();
    void dipOfAHandMadeCurve();
};

void CurrentDipRemovalTest::sameResultAsPassesOverTheWholeCurve_data()
{
    QTest::addColumn<int>("method");
    QTest::newRow("Blaesser") << int(Method::Blaesser);
    QTest::newRow("IEC 60891") << int(Method::IEC60891);
    QTest::newRow("Anderson") << int(Method::Anderson);
}

void CurrentDipRemovalTest::sameResultAsPassesOverTheWholeCurve()
{
    QFETCH(int, method);
    QRandomGenerator random(quint32(27 + method));
    for (int round = 0; round < 3000; ++round) {
        const CurveData measured = randomCurve(random, method);
        CurveData byPasses = measured;
        removeByPasses(byPasses);
        CurveData quick = measured;
        CurrentDipRemoval::run(quick);
        QCOMPARE(pointsOf(quick), pointsOf(byPasses));
        QCOMPARE(quick.readings().cellTemp, measured.readings().cellTemp);
    }
}

// At 1000 W/m² and 25 °C the converted curve is the measured one: 7.5 A lies below both of its
// neighbours and goes; after that no current lies at or below both of its own.
void CurrentDipRemovalTest::dipOfAHandMadeCurve()
{
    CurveData curve;
    CurveReadings readings;
    readings.irradiance = QStringLiteral("1000");
    readings.cellTemp = QStringLiteral("25");
    curve.setReadings(readings);
    const double currents[] = {8.0, 7.9, 7.5, 7.6, 7.0, 0.0};
    for (int i = 0; i < 6; ++i)
        curve.addPoint(i * 100.0, currents[i], 1000.0);
    CurrentDipRemoval::run(curve);
    QCOMPARE(pointsOf(curve), QStringLiteral("0:8:1000:0#100:7.9:1000:0#300:7.6:1000:0#400:7:1000:0#500:0:1000:0"));
}

VELTRANO_TEST(CurrentDipRemovalTest)
#include "CurrentDipRemovalTest.moc"
