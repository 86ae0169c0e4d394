#include "Anderson.h"
#include "AssignedModule.h"
#include "Blaesser.h"
#include "ConversionChecks.h"
#include "CurveData.h"
#include "IEC60891.h"
#include "STCparameters.h"
#include "TestMain.h"

#include <QTest>

// The three conversion methods on single points, and how a curve chooses and feeds them.

using namespace IVCurve;
using namespace ConversionChecks;

namespace {
// A curve of three points at 800 W/m² whose readings say 45 °C ambient and 50 °C in the cells.
CurveData measuredCurve(int method, int fileVersion = 0)
{
    CurveData curve;
    CurveReadings readings;
    readings.irradiance = QStringLiteral("800");
    readings.ambientTemp = QStringLiteral("45");
    readings.cellTemp = QStringLiteral("50");
    readings.isc = QStringLiteral("8.2");
    readings.voc = QStringLiteral("600");
    readings.fileVersion = fileVersion;
    curve.setReadings(readings);
    STCparameters parameters;
    parameters.algorithm = method;
    curve.setParameters(parameters);
    curve.addPoint(0.0, 8.1, 0.0);
    curve.addPoint(400.0, 8.0, 0.0);
    curve.addPoint(610.0, 0.0, 0.0);
    return curve;
}
} // namespace

class STCConversionTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void blaesserWorkedExample();
    void pointsAtStcStayUnchanged();
    void missingOrZeroConditionsFallBackToStc();
    void iecWithParallelStringsCountsOneStringInSeriesTerms();
    void iecPointWithoutIrradianceUsesThePreviousOne();
    void andersonWithoutAndWithModule();
    void andersonFollowsPointIrradiance();
    void andersonWithoutCurrentOrVoltageGivesTheOrigin();
    void makeAlgorithmReadsTheMethodsOwnTemperature();
    void stcCurveExtendsToBothAxes();
    void defaultsAreInTheUsersLocale();
};

void STCConversionTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void STCConversionTest::blaesserWorkedExample()
{
    STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    Blaesser converter(parameters, AssignedModule(), 8.2, 600.0);
    const QPointF result = converter.convertPoint(CurvePoint(), QPointF(400.0, 8.0));
    QVERIFY(qAbs(result.y() - 9.902) < 0.01);
    QVERIFY(qAbs(result.x() - 455.4) < 0.05);
    verifyNear(result, 455.367314188775, 9.90243902439024, 1e-9);
}

void STCConversionTest::pointsAtStcStayUnchanged()
{
    const STCparameters parameters = conditions(QStringLiteral("1000"), QStringLiteral("25"));
    AssignedModule module;
    module.series = 16;
    CurvePoint point;
    point.irradiance = 1000.0;
    const QPointF measured(400.0, 8.0);

    Blaesser blaesser(parameters, module, 8.2, 600.0);
    // Rs·(I − I′) vanishes because the current is unchanged.
    verifyNear(blaesser.convertPoint(point, measured), 400.0, 8.0);

    IEC60891 iec(parameters, module, 8.2, 1000.0);
    verifyNear(iec.convertPoint(point, measured), 400.0, 8.0);

    Anderson anderson(parameters, module, 8.2, 600.0);
    QCOMPARE(anderson.iscAtStc(), 8.2);
    QCOMPARE(anderson.vocAtStc(), 600.0);
    verifyNear(anderson.convertPoint(point, measured), 400.0, 8.0);
}

void STCConversionTest::missingOrZeroConditionsFallBackToStc()
{
    for (const QString& missing : {QString(), QStringLiteral("0"), QStringLiteral("n/a"), QStringLiteral("nan")}) {
        STCparameters parameters = conditions(missing, missing);
        Blaesser converter(parameters, AssignedModule(), 8.2, 600.0);
        QCOMPARE(converter.irradiance(), 1000.0);
        QCOMPARE(converter.temperature(), 25.0);
    }
    // A negative irradiance has no logarithm; it counts as missing, a negative temperature does not.
    STCparameters frosty = conditions(QStringLiteral("-200"), QStringLiteral("-5"));
    Blaesser converter(frosty, AssignedModule(), 8.2, 600.0);
    QCOMPARE(converter.irradiance(), 1000.0);
    QCOMPARE(converter.temperature(), -5.0);
}

void STCConversionTest::iecWithParallelStringsCountsOneStringInSeriesTerms()
{
    const STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    AssignedModule module;
    module.series = 10;
    module.parallel = 2;
    IEC60891 twoStrings(parameters, module, 16.4, 800.0);
    verifyNear(twoStrings.convertPoint(CurvePoint(), QPointF(400.0, 16.0)), 425.5975, 19.94);

    // Two strings in parallel convert like one string of the same modules at twice the current.
    module.parallel = 1;
    IEC60891 oneString(parameters, module, 8.2, 800.0);
    const QPointF single = oneString.convertPoint(CurvePoint(), QPointF(400.0, 8.0));
    verifyNear(single, 425.5975, 9.97);
}

void STCConversionTest::iecPointWithoutIrradianceUsesThePreviousOne()
{
    const CurveData measured = measuredCurve(int(Method::IEC60891), 2);
    CurveData source;
    source.setReadings(measured.readings());
    source.setParameters(measured.parameters());
    source.addPoint(100.0, 8.0, 700.0);
    source.addPoint(200.0, 7.0, 0.0);
    source.addPoint(300.0, 6.0, 900.0);
    QVERIFY(source.parameters().usePointIrradiance);

    STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    parameters.usePointIrradiance = true;
    AssignedModule module;
    IEC60891 converter(parameters, module, 8.2, 700.0);
    const QVector<CurvePoint>& info = source.pointInfo();
    verifyNear(converter.convertPoint(info.at(0), source.points().at(0)), 102.083857142857, 11.4342857142857);
    verifyNear(converter.convertPoint(info.at(1), source.points().at(1)), 202.058857142857, 10.4342857142857);
    verifyNear(converter.convertPoint(info.at(2), source.points().at(2)), 302.795285714286, 7.09142857142857);

    const CurveData& stc = source.stcCurve(false);
    QCOMPARE(stc.points().size(), 3);
    QCOMPARE(stc.pointInfo().at(1).irradiance, 0.0);
    // The second point rose by the same current as the first, whose irradiance it took over.
    QCOMPARE(stc.points().at(1).y() - 7.0, stc.points().at(0).y() - 8.0);
}

void STCConversionTest::andersonWithoutAndWithModule()
{
    const STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    AssignedModule none;
    Anderson plain(parameters, none, 8.2, 600.0);
    QVERIFY(qAbs(plain.iscAtStc() - 10.1706195546951) < 1e-9);
    QVERIFY(qAbs(plain.vocAtStc() - 614.673715824004) < 1e-9);
    verifyNear(plain.convertPoint(CurvePoint(), QPointF(400.0, 8.0)), 409.782477216003, 9.92255566311713);

    AssignedModule module;
    module.moduleId = 3;
    module.series = 16;
    module.setDataSheet(37.9, 9.4, 31.2, 8.9);
    Anderson withModule(parameters, module, 8.2, 600.0);
    verifyNear(withModule.convertPoint(CurvePoint(), QPointF(400.0, 8.0)), 442.984305305132, 9.91561181434599);
}

void STCConversionTest::andersonFollowsPointIrradiance()
{
    STCparameters parameters = conditions(QStringLiteral("500"), QStringLiteral("45"));
    parameters.usePointIrradiance = true;
    AssignedModule none;
    Anderson converter(parameters, none, 8.2, 600.0);
    CurvePoint at800;
    at800.irradiance = 800.0;
    verifyNear(converter.convertPoint(at800, QPointF(400.0, 8.0)), 409.782477216003, 9.92255566311713);
    // Without its own irradiance a point keeps the last one seen, not the curve's 500 W/m².
    verifyNear(converter.convertPoint(CurvePoint(), QPointF(400.0, 8.0)), 409.782477216003, 9.92255566311713);
}

void STCConversionTest::andersonWithoutCurrentOrVoltageGivesTheOrigin()
{
    const STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    AssignedModule none;
    Anderson noCurrent(parameters, none, 0.0, 600.0);
    QCOMPARE(noCurrent.convertPoint(CurvePoint(), QPointF(400.0, 8.0)), QPointF(0.0, 0.0));
    Anderson noVoltage(parameters, none, 8.2, 0.0);
    QCOMPARE(noVoltage.convertPoint(CurvePoint(), QPointF(400.0, 8.0)), QPointF(0.0, 0.0));
}

void STCConversionTest::makeAlgorithmReadsTheMethodsOwnTemperature()
{
    CurveData blaesser = measuredCurve(int(Method::Blaesser));
    QCOMPARE(blaesser.makeAlgorithm()->temperature(), 50.0);
    QCOMPARE(blaesser.parameters().irradiance, QStringLiteral("800"));
    CurveReadings ambientOnly = blaesser.readings();
    ambientOnly.cellTemp = QStringLiteral("?");
    blaesser.setReadings(ambientOnly);
    QCOMPARE(blaesser.makeAlgorithm()->temperature(), 45.0);
    CurveData iec = measuredCurve(int(Method::IEC60891));
    QCOMPARE(iec.makeAlgorithm()->temperature(), 50.0);
    CurveData unknown = measuredCurve(9);
    QVERIFY(dynamic_cast<Anderson*>(unknown.makeAlgorithm().get()));

    CurveReadings unreadable = blaesser.readings();
    unreadable.irradiance = QStringLiteral("---");
    unreadable.ambientTemp.clear();
    blaesser.setReadings(unreadable);
    blaesser.makeAlgorithm();
    QCOMPARE(blaesser.parameters().irradiance, QStringLiteral("1000"));
    QCOMPARE(blaesser.parameters().cellTemperature, QStringLiteral("25"));

    // Blässer takes Isc and Voc from the readings, or from the largest values when unreadable.
    CurveData fromReadings = measuredCurve(int(Method::Blaesser));
    CurveReadings noValues = fromReadings.readings();
    noValues.isc = QStringLiteral("?");
    noValues.voc.clear();
    CurveData fromPoints = fromReadings;
    fromPoints.setReadings(noValues);
    const QPointF measured = fromReadings.stcCurve(false).points().at(1);
    const QPointF largest = fromPoints.stcCurve(false).points().at(1);
    Blaesser expected(conditions(QStringLiteral("800"), QStringLiteral("50")), AssignedModule(), 8.1, 610.0);
    verifyNear(largest, expected.convertPoint(CurvePoint(), QPointF(400.0, 8.0)).x(),
               expected.convertPoint(CurvePoint(), QPointF(400.0, 8.0)).y());
    QVERIFY(measured != largest);
}

void STCConversionTest::stcCurveExtendsToBothAxes()
{
    CurveData curve = measuredCurve(int(Method::Anderson));
    curve.addPoint(615.0, 0.5, 0.0);
    const CurveData& stc = curve.stcCurve(true);
    // (0, 8.1) stays at 0 V, so only the end gains a point at 0 A.
    QCOMPARE(stc.points().size(), 5);
    QCOMPARE(stc.points().first().x(), 0.0);
    QCOMPARE(stc.points().last().y(), 0.0);
    QCOMPARE(stc.points().last().x(), stc.points().at(3).x());

    // Shifted to the right, the curve reaches 0 V along the line through its first two points.
    CurveData shifted = measuredCurve(int(Method::Blaesser));
    const CurveData& moved = shifted.stcCurve(true);
    QCOMPARE(moved.points().size(), 4);
    const QPointF first = moved.points().at(1);
    const QPointF second = moved.points().at(2);
    const double rise = first.x() * (first.y() - second.y()) / (second.x() - first.x());
    QCOMPARE(moved.points().first(), QPointF(0.0, first.y() + rise));
    QVERIFY(rise > 0.0);
    QVERIFY(moved.points().at(1).x() > 0.0);
    QCOMPARE(moved.maxI(), moved.points().first().y());

    CurveData empty;
    QVERIFY(empty.stcCurve(true).isEmpty());
}

void STCConversionTest::defaultsAreInTheUsersLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const STCparameters german;
    QCOMPARE(german.a, QStringLiteral("0,06"));
    QCOMPARE(german.b, QStringLiteral("-0,004"));
    QCOMPARE(german.kappa, QStringLiteral("0,00125"));
    QCOMPARE(german.Rs, QStringLiteral("0,35"));
    QCOMPARE(german.algorithm, 1);
    QCOMPARE(STCparameters::number(german.beta), -0.15);
    QCOMPARE(STCparameters::number(QStringLiteral("0.5x")), 0.0);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(STCparameters().delta, QStringLiteral("0.085"));
    // A session switched back still gets its own decimal mark.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(STCparameters().alpha, QStringLiteral("0,004"));
}

VELTRANO_TEST(STCConversionTest)
#include "STCConversionTest.moc"
