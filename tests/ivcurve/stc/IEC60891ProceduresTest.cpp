#include "Anderson.h"
#include "AssignedModule.h"
#include "ConversionChecks.h"
#include "CurveData.h"
#include "CurveKeyValues.h"
#include "IEC60891Procedure2.h"
#include "IEC60891Procedure4.h"
#include "STCparameters.h"
#include "SingleDiodeModule.h"
#include "TestMain.h"

#include <QTest>

#include <cmath>

// Procedures 2 and 4 of the standard: worked points, their fall-backs, and their accuracy
// against the single-diode truth.

using namespace IVCurve;
using namespace ConversionChecks;

namespace {
AssignedModule layout(unsigned series, unsigned parallel)
{
    AssignedModule module;
    module.series = series;
    module.parallel = parallel;
    return module;
}

CurveData curveOf(Method method, const QString& irradiance, const QString& temperature)
{
    CurveData curve;
    CurveReadings readings;
    readings.irradiance = irradiance;
    readings.cellTemp = temperature;
    readings.voc = QStringLiteral("600");
    curve.setReadings(readings);
    STCparameters parameters;
    parameters.algorithm = int(method);
    curve.setParameters(parameters);
    curve.setModule(layout(16, 1));
    curve.addPoint(0.0, 8.1, 0.0);
    curve.addPoint(400.0, 8.0, 0.0);
    curve.addPoint(600.0, 0.0, 0.0);
    return curve;
}

double pmppAfter(Method method, CurveData curve)
{
    STCparameters parameters;
    parameters.algorithm = int(method);
    parameters.alpha = QString::number(SingleDiodeModule::alpha);
    parameters.beta = QString::number(SingleDiodeModule::beta);
    parameters.Rs = QString::number(SingleDiodeModule::Rs);
    curve.setParameters(parameters);
    return CurveKeyValues::ofCurve(curve.stcCurve(true)).pmpp;
}
} // namespace

class IEC60891ProceduresTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void procedure2WorkedPoint();
    void procedure4WorkedPoint();
    void curvesAtStcStayUnchanged();
    void missingOrZeroConditionsFallBackToStc();
    void storedCoefficientsOfProcedure2();
    void storedCoefficientsOfProcedure4();
    void enteredCellsAndBandgapOfProcedure4();
    void curveChoosesTheConverterByItsNumber();
    void bothMeetTheTruthAtFieldConditions();
};

void IEC60891ProceduresTest::init()
{
    QLocale::setDefault(QLocale::c());
}

// By hand: I2 = 12·(1 − 0.0006·20)·1.25 = 14.82; V2 = 200 + 300·(0.07 + 0.06·ln 1.25)
// − 10·0.35·2.82/2 + 10·0.00125·7.41·20 = 200 + 25.01658 − 4.935 + 1.8525.
void IEC60891ProceduresTest::procedure2WorkedPoint()
{
    IEC60891Procedure2::Coefficients coefficients;
    coefficients.alphaRelative = 0.0006;
    coefficients.betaRelative = -0.0035;
    coefficients.Rs = 0.35;
    coefficients.kappa = 0.00125;
    const STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    IEC60891Procedure2 converter(parameters, layout(10, 2), coefficients, 300.0);
    verifyNear(converter.convertPoint(CurvePoint(), QPointF(200.0, 12.0)), 221.934083923656, 14.82);
    QCOMPARE(IEC60891Procedure2::Coefficients().a, 0.06);
}

// By hand: I' = 12 + 16·0.25 = 16; V' = 200 − 10·0.35·4/2 = 193; I2 = 16 − 2·0.005·20 = 15.8;
// V2 = 193 + (−20/318.15)·(193 − 1.232·54·10) = 193 + 9445.6/318.15.
void IEC60891ProceduresTest::procedure4WorkedPoint()
{
    IEC60891Procedure4::Coefficients coefficients;
    coefficients.alpha = 0.005;
    coefficients.Rs = 0.35;
    coefficients.cellsInSeries = 54;
    const STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    IEC60891Procedure4 converter(parameters, layout(10, 2), coefficients, 16.0);
    verifyNear(converter.convertPoint(CurvePoint(), QPointF(200.0, 12.0)), 222.689140342606, 15.8);
    QCOMPARE(IEC60891Procedure4::Coefficients().bandgap, 1.232);
}

void IEC60891ProceduresTest::curvesAtStcStayUnchanged()
{
    for (const Method method : {Method::IEC60891Procedure2, Method::IEC60891Procedure4}) {
        CurveData curve = curveOf(method, QStringLiteral("1000"), QStringLiteral("25"));
        const CurveData& stc = curve.stcCurve(false);
        QCOMPARE(stc.points().size(), 3);
        for (int i = 0; i < 3; ++i)
            verifyNear(stc.points().at(i), curve.points().at(i).x(), curve.points().at(i).y());
    }
}

void IEC60891ProceduresTest::missingOrZeroConditionsFallBackToStc()
{
    for (const Method method : {Method::IEC60891Procedure2, Method::IEC60891Procedure4}) {
        for (const QString& missing : {QString(), QStringLiteral("0"), QStringLiteral("n/a")}) {
            CurveData curve = curveOf(method, missing, missing);
            const auto converter = curve.makeAlgorithm();
            QCOMPARE(converter->irradiance(), 1000.0);
            QCOMPARE(converter->temperature(), 25.0);
            verifyNear(curve.stcCurve(false).points().at(1), 400.0, 8.0);
        }
    }
}

void IEC60891ProceduresTest::storedCoefficientsOfProcedure2()
{
    STCparameters parameters = conditions(QStringLiteral("800"), QStringLiteral("45"));
    parameters.alpha = QStringLiteral("0.004");
    parameters.beta = QStringLiteral("-0.15");
    parameters.a = QStringLiteral("0.05");
    parameters.kappa = QStringLiteral("0.002");
    parameters.Rs = QStringLiteral("0.4");
    // Without a module: 8 A at 800 W/m² is 10 A at STC, and 600 V are those of 16 modules.
    const auto plain = IEC60891Procedure2::storedCoefficients(parameters, layout(16, 1), 8.0, 600.0);
    QCOMPARE(plain.alphaRelative, 0.0004);
    QCOMPARE(plain.betaRelative, -0.004);
    QCOMPARE(plain.a, 0.05);
    QCOMPARE(plain.kappa, 0.002);
    QCOMPARE(plain.Rs, 0.4);

    AssignedModule module = layout(16, 1);
    module.moduleId = 3;
    module.setDataSheet(37.5, 10.0, 31.2, 8.9);
    const auto withModule = IEC60891Procedure2::storedCoefficients(parameters, module, 8.0, 600.0);
    QCOMPARE(withModule.alphaRelative, 0.0004);
    QCOMPARE(withModule.betaRelative, -0.004);
}

// N is the module's Voc over 0.62 V a cell, rounded: 37.9 V give 61.13, 37.5 V give 60.48.
void IEC60891ProceduresTest::storedCoefficientsOfProcedure4()
{
    STCparameters parameters;
    parameters.alpha = QStringLiteral("0.005");
    parameters.Rs = QStringLiteral("0.3");
    AssignedModule module = layout(16, 1);
    module.moduleId = 3;
    module.setDataSheet(37.9, 9.4, 31.2, 8.9);
    const auto withModule = IEC60891Procedure4::storedCoefficients(parameters, module, 600.0);
    QCOMPARE(withModule.cellsInSeries, 61);
    QCOMPARE(withModule.alpha, 0.005);
    QCOMPARE(withModule.Rs, 0.3);
    QCOMPARE(withModule.bandgap, 1.232);
    QCOMPARE(IEC60891Procedure4::storedCoefficients(parameters, layout(16, 1), 600.0).cellsInSeries, 60);
    QCOMPARE(IEC60891Procedure4::storedCoefficients(parameters, layout(16, 1), 0.0).cellsInSeries, 60);
    // Half a cell rounds up, a little less rounds down; a tiny voltage is still one cell.
    QCOMPARE(IEC60891Procedure4::cellsInSeriesFor(0.93), 2);
    QCOMPARE(IEC60891Procedure4::cellsInSeriesFor(0.92), 1);
    QCOMPARE(IEC60891Procedure4::cellsInSeriesFor(0.01), 1);
    QCOMPARE(IEC60891Procedure4::cellsInSeriesFor(-3.0), 60);
}

// The curve's own N goes before the module's data sheet, which goes before the guess from Voc;
// an N that is no whole number above 0 and a bandgap that is no voltage above 0 count as unset.
void IEC60891ProceduresTest::enteredCellsAndBandgapOfProcedure4()
{
    STCparameters parameters;
    AssignedModule module = layout(16, 1);
    module.moduleId = 3;
    module.setDataSheet(37.9, 9.4, 31.2, 8.9);
    module.cellsInSeries = 66;
    QCOMPARE(IEC60891Procedure4::storedCoefficients(parameters, module, 600.0).cellsInSeries, 66);
    parameters.cellsInSeries = QStringLiteral("72");
    parameters.bandgap = QStringLiteral("1.12");
    const auto entered = IEC60891Procedure4::storedCoefficients(parameters, module, 600.0);
    QCOMPARE(entered.cellsInSeries, 72);
    QCOMPARE(entered.bandgap, 1.12);
    for (const char* unset : {"0", "-4", "60.5", "many"}) {
        parameters.cellsInSeries = QLatin1String(unset);
        QCOMPARE(IEC60891Procedure4::storedCoefficients(parameters, module, 600.0).cellsInSeries, 66);
    }
    module.cellsInSeries = 0;
    QCOMPARE(IEC60891Procedure4::storedCoefficients(parameters, module, 600.0).cellsInSeries, 61);
    parameters.bandgap = QStringLiteral("0");
    QCOMPARE(IEC60891Procedure4::storedCoefficients(parameters, module, 600.0).bandgap, 1.232);
}

void IEC60891ProceduresTest::curveChoosesTheConverterByItsNumber()
{
    CurveData second = curveOf(Method::IEC60891Procedure2, QStringLiteral("800"), QStringLiteral("45"));
    QVERIFY(dynamic_cast<IEC60891Procedure2*>(second.makeAlgorithm().get()));
    CurveData fourth = curveOf(Method::IEC60891Procedure4, QStringLiteral("800"), QStringLiteral("45"));
    QVERIFY(dynamic_cast<IEC60891Procedure4*>(fourth.makeAlgorithm().get()));
    CurveData unknown = curveOf(Method(5), QStringLiteral("800"), QStringLiteral("45"));
    QVERIFY(dynamic_cast<Anderson*>(unknown.makeAlgorithm().get()));

    // Procedure 4 reads the cell temperature, never the ambient one.
    CurveReadings readings = fourth.readings();
    readings.ambientTemp = QStringLiteral("30");
    fourth.setReadings(readings);
    QCOMPARE(fourth.makeAlgorithm()->temperature(), 45.0);
}

void IEC60891ProceduresTest::bothMeetTheTruthAtFieldConditions()
{
    const double truth = 20.0 * SingleDiodeModule::maximumPower(1000.0, 25.0);
    for (const Method method : {Method::IEC60891Procedure2, Method::IEC60891Procedure4}) {
        for (const double G : {800.0, 1000.0}) {
            const double pmpp = pmppAfter(method, SingleDiodeModule::measure(G, 45.0, 10, 2, 25.0));
            const double error = (pmpp - truth) / truth;
            QVERIFY2(std::abs(error) < 0.02, qPrintable(QStringLiteral("method %1 at %2 W/m²: %3 %")
                                                            .arg(int(method)).arg(G).arg(error * 100.0)));
        }
    }
}

VELTRANO_TEST(IEC60891ProceduresTest)
#include "IEC60891ProceduresTest.moc"
