#include "CurveData.h"
#include "TestMain.h"

#include <QTest>

// The summary values that every curve keeps while points are added, and its nominal curve.

namespace {
// A module whose diode law has its maximum power point at 31.2 V.
AssignedModule stringOf(unsigned series, unsigned parallel)
{
    AssignedModule module;
    module.moduleId = 7;
    module.series = series;
    module.parallel = parallel;
    module.setDataSheet(37.9, 9.4, 31.2, 8.9);
    return module;
}
} // namespace

class CurveDataTest : public QObject
{
    Q_OBJECT

private slots:
    void summaryValuesFollowTheAddedPoints();
    void firstOfEqualMaximaIsTheMaximumPowerPoint();
    void irradianceSpreadAboveTenPercentIsFlagged();
    void nominalCurveRunsFromIscToVocOfTheString();
    void nominalCurveOfADegenerateModuleLiesOnTheVoltageAxis();
    void derivedCurvesAreRebuiltAfterTheSettingsChange();
    void copiesDoNotShareDerivedCurves();
};

void CurveDataTest::summaryValuesFollowTheAddedPoints()
{
    CurveData curve;
    QCOMPARE(curve.mppIndex(), -1);
    QCOMPARE(curve.firstIrradiance(), 1000.0);
    QCOMPARE(curve.mpp(), QPointF());

    curve.addPoint(0.0, 8.5, 0.0);
    curve.addPoint(100.0, 8.4, 820.0);
    curve.addPoint(300.0, 7.0, 780.0);
    curve.addPoint(410.0, -0.1, 0.0);
    QCOMPARE(curve.maxV(), 410.0);
    QCOMPARE(curve.maxI(), 8.5);
    // The first non-zero irradiance is kept, later ones do not replace it.
    QCOMPARE(curve.firstIrradiance(), 820.0);
    QCOMPARE(curve.minIrradiance(), 780.0);
    QCOMPARE(curve.maxIrradiance(), 820.0);
    QCOMPARE(curve.mppIndex(), 2);
    QCOMPARE(curve.pmpp(), 2100.0);
    QCOMPARE(curve.pointInfo().at(3).index, 3);
}

void CurveDataTest::firstOfEqualMaximaIsTheMaximumPowerPoint()
{
    CurveData curve;
    curve.addPoint(0.0, 8.0, 0.0);
    curve.addPoint(100.0, 4.0, 0.0);
    curve.addPoint(200.0, 2.0, 0.0);
    curve.addPoint(300.0, 0.0, 0.0);
    QCOMPARE(curve.mppIndex(), 1);
}

void CurveDataTest::irradianceSpreadAboveTenPercentIsFlagged()
{
    CurveData even;
    even.addPoint(0.0, 8.0, 900.0);
    even.addPoint(1.0, 7.0, 991.0);
    QVERIFY(!even.hasIrradianceSpread());

    CurveData spread;
    spread.addPoint(0.0, 8.0, 0.0);
    spread.addPoint(1.0, 7.0, 899.0);
    spread.addPoint(2.0, 6.0, 1000.0);
    QVERIFY(spread.hasIrradianceSpread());

    CurveData none;
    none.addPoint(0.0, 8.0, 0.0);
    QVERIFY(!none.hasIrradianceSpread());
}

void CurveDataTest::nominalCurveRunsFromIscToVocOfTheString()
{
    CurveData curve;
    QVERIFY(curve.nominalCurve().isEmpty());

    curve.setModule(stringOf(12, 2));
    const CurveData& nominal = curve.nominalCurve();
    QCOMPARE(nominal.points().size(), 128);
    // At 0 V the diode law gives exactly the short-circuit current of the strings.
    QCOMPARE(nominal.points().first(), QPointF(0.0, 2 * 9.4));
    QCOMPARE(nominal.points().last(), QPointF(12 * 37.9, 0.0));
    QVERIFY(qAbs(nominal.points().at(126).x() - 451.2188976) < 1e-6);
    QVERIFY(qAbs(nominal.points().at(126).y() - 2.3029816) < 1e-6);
    for (int i = 1; i < nominal.points().size(); ++i) {
        QVERIFY(nominal.points().at(i).y() < nominal.points().at(i - 1).y());
        QVERIFY(nominal.points().at(i).y() >= 0.0);
    }
    QCOMPARE(nominal.mppIndex(), 106);
    QVERIFY(qAbs(nominal.mpp().y() - 17.5911904) < 1e-6);
    QVERIFY(nominal.mpp().x() / 12 > 31.2);
    QCOMPARE(nominal.pointInfo().at(50).irradiance, 0.0);
}

void CurveDataTest::nominalCurveOfADegenerateModuleLiesOnTheVoltageAxis()
{
    QCOMPARE(AssignedModule::shapeFactor(37.9, 9.4, 31.2, 9.4), 0.0);
    QCOMPARE(AssignedModule::shapeFactor(37.9, 0.0, 31.2, 8.9), 0.0);
    QCOMPARE(AssignedModule::shapeFactor(37.9, 9.4, 31.2, 0.0), 0.0);
    // No real module has Impp above Isc; its logarithm would make every point NaN.
    QCOMPARE(AssignedModule::shapeFactor(37.9, 9.4, 31.2, 9.9), 0.0);

    AssignedModule module = stringOf(10, 1);
    module.setDataSheet(37.9, 9.4, 31.2, 9.4);
    CurveData curve;
    curve.setModule(module);
    const CurveData& nominal = curve.nominalCurve();
    QCOMPARE(nominal.points().size(), 128);
    for (const QPointF& point : nominal.points())
        QCOMPARE(point.y(), 0.0);
    QCOMPARE(nominal.maxV(), 379.0);
}

void CurveDataTest::derivedCurvesAreRebuiltAfterTheSettingsChange()
{
    CurveData curve;
    curve.addPoint(0.0, 8.0, 0.0);
    curve.addPoint(400.0, 0.0, 0.0);
    CurveReadings readings;
    readings.irradiance = QStringLiteral("500");
    curve.setReadings(readings);
    IVCurve::STCparameters parameters;
    parameters.algorithm = int(IVCurve::Method::IEC60891);
    curve.setParameters(parameters);

    const double converted = curve.stcCurve(false).points().first().y();
    QCOMPARE(curve.stcCurve(true).points().first().y(), converted);

    readings.irradiance = QStringLiteral("1000");
    curve.setReadings(readings);
    QCOMPARE(curve.stcCurve(false).points().first().y(), 8.0);
    QCOMPARE(converted, 16.0);

    curve.setModule(stringOf(1, 1));
    QCOMPARE(curve.nominalCurve().points().size(), 128);
    curve.setModule(AssignedModule());
    QVERIFY(curve.nominalCurve().isEmpty());
}

void CurveDataTest::copiesDoNotShareDerivedCurves()
{
    CurveData curve;
    curve.addPoint(0.0, 8.0, 0.0);
    curve.setModule(stringOf(2, 1));
    QCOMPARE(curve.nominalCurve().points().size(), 128);

    CurveData copy = curve;
    copy.setModule(AssignedModule());
    QVERIFY(copy.nominalCurve().isEmpty());
    QCOMPARE(curve.nominalCurve().points().size(), 128);
    QCOMPARE(copy.points(), curve.points());
}

VELTRANO_TEST(CurveDataTest)
#include "CurveDataTest.moc"
