#include "ConversionChecks.h"
#include "CurveData.h"
#include "CurveDiagnosis.h"
#include "CurveKeyValues.h"
#include "ExpectedCurve.h"
#include "SingleDiodeCurve.h"
#include "SingleDiodeModule.h"
#include "TestMain.h"

#include <QTest>

#include <cmath>

// The expected curve: the data sheet carried to the measured conditions by each method's inverse.

using namespace IVCurve;
using ConversionChecks::verifyNear;

Q_DECLARE_METATYPE(IVCurve::Method)

namespace {
const QVector<QPointF> dataSheetPoints{{0.0, 10.0}, {30.0, 9.0}, {40.0, 0.0}};

AssignedModule oneModule(double voc)
{
    AssignedModule module;
    module.moduleId = 1;
    module.setDataSheet(voc, 10.0, 30.0, 9.0);
    return module;
}

STCparameters coefficients(Method method)
{
    STCparameters parameters;
    parameters.algorithm = int(method);
    parameters.alpha = QStringLiteral("0.004");
    parameters.beta = QStringLiteral("-0.15");
    parameters.Rs = QStringLiteral("0.35");
    parameters.kappa = QStringLiteral("0.00125");
    return parameters;
}

CurveReadings conditions(const QString& irradiance, const QString& temperature)
{
    CurveReadings readings;
    readings.irradiance = irradiance;
    readings.cellTemp = temperature;
    return readings;
}

// Along a curve whose current falls from point to point.
double voltageAt(const QVector<QPointF>& points, double current)
{
    QVector<QPointF> transposed;
    for (auto point = points.crbegin(); point != points.crend(); ++point)
        transposed.append({point->y(), point->x()});
    return CurveDiagnosis::currentAt(transposed, current);
}

CurveData healthyString(double irradiance, double temperature)
{
    CurveData curve = SingleDiodeCurve(10, 2).measure(irradiance, temperature);
    curve.setParameters(SingleDiodeModule::coefficients(Method::IEC60891));
    return curve;
}
} // namespace

class ExpectedCurveTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void procedure1ByHand();
    void procedure4ByHand();
    void convertingBackGivesTheDataSheet_data();
    void convertingBackGivesTheDataSheet();
    void healthyStringMeetsItsExpectation_data();
    void healthyStringMeetsItsExpectation();
    void faultsDoNotMoveTheExpectation();
    void missingConditionsOrModuleGiveNoExpectation();
    void endsOnBothAxes();
};

void ExpectedCurveTest::init()
{
    QLocale::setDefault(QLocale::c());
}

// 800 W/m², 45 °C: Isc 8.064 A = (10 + 0.004·20)·0.8, so the current drops by
// 8.064·0.25 − 0.08 = 1.936 A; V drops by −0.15·−20 − 0.35·1.936 − 0.00125·I·−20.
void ExpectedCurveTest::procedure1ByHand()
{
    const AssignedModule module = oneModule(40.0);
    const ExpectedCurve expected(coefficients(Method::IEC60891), module, 800.0, 45.0);
    const QVector<QPointF> points = expected.translated(dataSheetPoints);
    QCOMPARE(points.size(), 3);
    verifyNear(points.at(0), -2.5724, 8.064);
    verifyNear(points.at(1), 27.4526, 7.064);
    verifyNear(points.at(2), 37.6776, -1.936);
}

// Same current as procedure 1 (no κ, no β); the voltage moves with the bandgap of 60 cells
// (37.2 V / 0.62 V): Vi = (V − 20/318.15·73.92) / (1 − 20/318.15), plus 0.35·2.016 V.
void ExpectedCurveTest::procedure4ByHand()
{
    const AssignedModule module = oneModule(37.2);
    const ExpectedCurve expected(coefficients(Method::IEC60891Procedure4), module, 800.0, 45.0);
    const QVector<QPointF> points = expected.translated({{0.0, 10.0}, {30.0, 9.0}, {37.2, 0.0}});
    QCOMPARE(points.size(), 3);
    verifyNear(points.at(0), -4.252977897, 8.064, 1e-8);
    verifyNear(points.at(1), 27.759431964, 7.064, 1e-8);
    verifyNear(points.at(2), 35.442410330, -1.936, 1e-8);
}

void ExpectedCurveTest::convertingBackGivesTheDataSheet_data()
{
    QTest::addColumn<Method>("method");
    QTest::addColumn<double>("irradiance");
    QTest::addColumn<double>("temperature");
    for (Method method : {Method::Blaesser, Method::IEC60891, Method::Anderson, Method::IEC60891Procedure2,
                          Method::IEC60891Procedure4}) {
        const QByteArray name = QByteArray::number(int(method));
        QTest::newRow(name + ", 650 W/m², 48 °C") << method << 650.0 << 48.0;
        QTest::newRow(name + ", 1100 W/m², 12 °C") << method << 1100.0 << 12.0;
    }
}

// Converted to STC by the curve's own method, from the expected curve's own Isc and Voc, the
// expected curve is the data sheet's curve again, point for point.
void ExpectedCurveTest::convertingBackGivesTheDataSheet()
{
    QFETCH(Method, method);
    QFETCH(double, irradiance);
    QFETCH(double, temperature);
    CurveData measured = SingleDiodeModule::measure(irradiance, temperature, 10, 2, temperature);
    measured.setParameters(SingleDiodeModule::coefficients(method));
    const QVector<QPointF> nominal = measured.nominalCurve().points();
    const QVector<QPointF> expected =
        ExpectedCurve(measured.parameters(), measured.module(), irradiance, temperature).translated(nominal);
    QCOMPARE(expected.size(), nominal.size());

    CurveData expectedCurve;
    expectedCurve.setReadings(conditions(QString::number(irradiance), QString::number(temperature)));
    expectedCurve.setParameters(measured.parameters());
    expectedCurve.setModule(measured.module());
    for (const QPointF& point : expected)
        expectedCurve.addPoint(point.x(), point.y(), 0.0);
    const QVector<QPointF> back = expectedCurve.stcCurve(false).points();
    QCOMPARE(back.size(), nominal.size());
    for (int i = 0; i < nominal.size() && !QTest::currentTestFailed(); ++i)
        verifyNear(back.at(i), nominal.at(i).x(), nominal.at(i).y(), 1e-9);
}

void ExpectedCurveTest::healthyStringMeetsItsExpectation_data()
{
    QTest::addColumn<double>("irradiance");
    QTest::newRow("600 W/m²") << 600.0;
    QTest::newRow("750 W/m²") << 750.0;
    QTest::newRow("900 W/m²") << 900.0;
}

// A string of the model whose data sheet is the model at STC, measured at 45 °C.
void ExpectedCurveTest::healthyStringMeetsItsExpectation()
{
    QFETCH(double, irradiance);
    CurveData curve = healthyString(irradiance, 45.0);
    const CurveData& expected = curve.expectedCurve();
    QVERIFY(!expected.isEmpty());
    double factor = 0.0;
    QVERIFY(curve.performanceFactor(factor));
    QVERIFY2(std::abs(factor - 1.0) <= 0.02, qPrintable(QString::number(factor)));

    const double isc = curve.points().first().y();
    const double voc = curve.points().last().x();
    // Up to the maximum power point the current is flat and compared as current; beyond it the
    // curve falls steeply, and a fraction of a volt would read as amperes: compared as voltage.
    for (double share : {0.0, 0.5, 0.7, 0.8}) {
        const double measuredCurrent = CurveDiagnosis::currentAt(curve.points(), share * voc);
        const double expectedCurrent = CurveDiagnosis::currentAt(expected.points(), share * voc);
        QVERIFY2(std::abs(expectedCurrent - measuredCurrent) <= 0.02 * isc,
                 qPrintable(QStringLiteral("at %1 V: expected %2 A, measured %3 A")
                                .arg(share * voc).arg(expectedCurrent).arg(measuredCurrent)));
    }
    for (double share : {0.5, 0.25}) {
        const double measuredVoltage = voltageAt(curve.points(), share * isc);
        const double expectedVoltage = voltageAt(expected.points(), share * isc);
        QVERIFY2(std::abs(expectedVoltage - measuredVoltage) <= 0.02 * voc,
                 qPrintable(QStringLiteral("at %1 A: expected %2 V, measured %3 V")
                                .arg(share * isc).arg(expectedVoltage).arg(measuredVoltage)));
    }
    const double expectedVoc = CurveKeyValues::ofCurve(expected).voc;
    QVERIFY2(std::abs(expectedVoc - voc) <= 0.02 * voc, qPrintable(QString::number(expectedVoc)));
}

// A measured curve with a fault goes into no input of its expectation; a conversion from the
// measured Isc would have lowered the expected current by the fault's share of it.
void ExpectedCurveTest::faultsDoNotMoveTheExpectation()
{
    CurveData healthy = healthyString(700.0, 45.0);
    SingleDiodeCurve shadedString(10, 2);
    shadedString.shadedSubStrings = 6;
    shadedString.shadedLight = 0.3;
    CurveData shaded = shadedString.measure(700.0, 45.0);
    shaded.setParameters(SingleDiodeModule::coefficients(Method::IEC60891));
    QCOMPARE(shaded.expectedCurve().points(), healthy.expectedCurve().points());

    double healthyFactor = 0.0;
    double shadedFactor = 0.0;
    QVERIFY(healthy.performanceFactor(healthyFactor));
    QVERIFY(shaded.performanceFactor(shadedFactor));
    QVERIFY(shadedFactor < healthyFactor - 0.05);
}

void ExpectedCurveTest::missingConditionsOrModuleGiveNoExpectation()
{
    CurveData curve = healthyString(700.0, 45.0);
    double factor = -1.0;
    for (const CurveReadings& readings : {conditions(QStringLiteral("0"), QStringLiteral("45")),
                                          conditions(QStringLiteral("700"), QStringLiteral("0")),
                                          conditions(QString(), QStringLiteral("45")),
                                          conditions(QStringLiteral("700"), QStringLiteral("n/a")),
                                          conditions(QStringLiteral("-5"), QStringLiteral("45"))}) {
        curve.setReadings(readings);
        QVERIFY2(curve.expectedCurve().isEmpty(), qPrintable(readings.irradiance + "/" + readings.cellTemp));
        QVERIFY(!curve.performanceFactor(factor));
    }
    QCOMPARE(factor, -1.0);

    // The faintest light and the least temperature still have an expectation.
    curve.setReadings(conditions(QStringLiteral("1"), QStringLiteral("0.1")));
    QVERIFY(!curve.expectedCurve().isEmpty());
    QVERIFY(curve.performanceFactor(factor));

    curve.setReadings(conditions(QStringLiteral("700"), QStringLiteral("45")));
    curve.setModule(AssignedModule());
    QVERIFY(curve.expectedCurve().isEmpty());
    QVERIFY(!curve.performanceFactor(factor));
}

void ExpectedCurveTest::endsOnBothAxes()
{
    // Cut where the points cross the axes.
    QCOMPARE(ExpectedCurve::betweenTheAxes({{-2.0, 8.0}, {2.0, 6.0}, {10.0, 2.0}, {12.0, -2.0}}),
             (QVector<QPointF>{{0.0, 7.0}, {2.0, 6.0}, {10.0, 2.0}, {11.0, 0.0}}));
    // Continued along the outermost points to the axes.
    QCOMPARE(ExpectedCurve::betweenTheAxes({{10.0, 2.0}, {20.0, 1.5}, {30.0, 0.5}}),
             (QVector<QPointF>{{0.0, 2.5}, {10.0, 2.0}, {20.0, 1.5}, {30.0, 0.5}, {35.0, 0.0}}));
    // Points already on the axes stay as they are; a curve left of the current axis has nothing.
    QCOMPARE(ExpectedCurve::betweenTheAxes({{0.0, 2.0}, {10.0, 0.0}}), (QVector<QPointF>{{0.0, 2.0}, {10.0, 0.0}}));
    QVERIFY(ExpectedCurve::betweenTheAxes({{-3.0, 2.0}, {-1.0, 0.0}}).isEmpty());
    QVERIFY(ExpectedCurve::betweenTheAxes({}).isEmpty());
}

VELTRANO_TEST(ExpectedCurveTest)
#include "ExpectedCurveTest.moc"
