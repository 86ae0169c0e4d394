#include "CorrectionCoefficientFit.h"
#include "CorrectionCoefficientInput.h"
#include "CurveData.h"
#include "CurveKeyValues.h"
#include "STCparameters.h"
#include "SingleDiodeCurve.h"
#include "SingleDiodeModule.h"
#include "TestMain.h"

#include <QTest>

#include <cmath>

// Rs and κ found from several curves of one string: exactly on curves built backwards through
// procedure 1, closely on single-diode strings with a known series resistance.

using namespace IVCurve;

namespace {
using Fit = CorrectionCoefficientFit;

Fit::Curve fitCurveOf(const CurveData& curve, double G, double T)
{
    return Fit::Curve{curve.points(), G, T};
}

// A string of 10 modules in 2 strings measured at the irradiances at 25 °C and the temperatures
// at 1000 W/m².
Fit::Input fieldMeasurements(const SingleDiodeCurve& string, const QVector<double>& irradiances,
                             const QVector<double>& temperatures)
{
    Fit::Input input;
    for (const double G : irradiances)
        input.curves.append(fitCurveOf(string.measure(G, 25.0), G, 25.0));
    for (const double T : temperatures)
        input.curves.append(fitCurveOf(string.measure(1000.0, T), 1000.0, T));
    input.alpha = SingleDiodeModule::alpha;
    input.beta = SingleDiodeModule::beta;
    input.series = 10;
    input.parallel = 2;
    input.kappa = 0.00125;
    return input;
}

// Procedure 1's Pmpp error against the truth, in per cent, averaged over field conditions at
// 700 W/m² and more.
double meanPmppError(double Rs, double kappa)
{
    const double truth = 20.0 * SingleDiodeModule::maximumPower(1000.0, 25.0);
    const QVector<QPointF> conditions{{700.0, 50.0}, {800.0, 45.0}, {900.0, 60.0}, {1000.0, 65.0}, {750.0, 35.0}};
    double sum = 0.0;
    for (const QPointF& condition : conditions) {
        CurveData curve = SingleDiodeModule::measure(condition.x(), condition.y(), 10, 2, 20.0);
        STCparameters parameters = curve.parameters();
        parameters.algorithm = int(Method::IEC60891);
        parameters.alpha = QString::number(SingleDiodeModule::alpha);
        parameters.beta = QString::number(SingleDiodeModule::beta);
        parameters.Rs = QString::number(Rs, 'g', 12);
        parameters.kappa = QString::number(kappa, 'g', 12);
        curve.setParameters(parameters);
        sum += std::abs(CurveKeyValues::ofCurve(curve.stcCurve(true)).pmpp - truth) / truth * 100.0;
    }
    return sum / conditions.size();
}
} // namespace

class CorrectionCoefficientFitTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void curvesBuiltBackwardsGiveTheirRsExactly();
    void recoversTheSeriesResistanceOfStrings_data();
    void recoversTheSeriesResistanceOfStrings();
    void fittedCoefficientsConvertCloserToTheTruth();
    void sameTemperatureKeepsKappa();
    void whatCannotBeFitted();
    void curvesOfTheDocumentRecoverRs();
    void curvesOfDifferentStringsAreRefused();
};

void CorrectionCoefficientFitTest::init()
{
    QLocale::setDefault(QLocale::c());
}

// One STC curve of a single module taken back to 500 and 800 W/m² through procedure 1 with
// Rs = 0.5 Ω: at 500 W/m² Isc is 5 A and each point 5 A lower and 2.5 V to the right; at
// 800 W/m² Isc is 8 A, 2 A lower and 1 V to the right.
void CorrectionCoefficientFitTest::curvesBuiltBackwardsGiveTheirRsExactly()
{
    const QVector<QPointF> stc{{0, 10}, {10, 9.9}, {20, 9.7}, {25, 9}, {28, 8}, {30, 6.5},
                               {31, 5}, {32, 3}, {33, 2}, {34, 0}};
    Fit::Input input;
    input.Rs = 9.0;
    for (const double G : {500.0, 800.0}) {
        const double rise = 10.0 * (1.0 - G / 1000.0);
        Fit::Curve curve{{}, G, 25.0};
        for (const QPointF& point : stc) {
            if (point.y() >= rise)
                curve.points.append(QPointF(point.x() + 0.5 * rise, point.y() - rise));
        }
        input.curves.append(curve);
    }
    const Fit::Result result = CorrectionCoefficientFit::fit(input);
    QCOMPARE(result.failure, Fit::Failure::None);
    QVERIFY(result.rsFound);
    QVERIFY(!result.kappaFound);
    QVERIFY(std::abs(result.Rs - 0.5) < 1e-9);
    QVERIFY(result.residual < 1e-9);
}

void CorrectionCoefficientFitTest::recoversTheSeriesResistanceOfStrings_data()
{
    QTest::addColumn<double>("seriesResistance");
    QTest::newRow("fitted to the data sheet") << SingleDiodeModule::Rs;
    QTest::newRow("three times that") << 3.0 * SingleDiodeModule::Rs;
}

void CorrectionCoefficientFitTest::recoversTheSeriesResistanceOfStrings()
{
    QFETCH(double, seriesResistance);
    SingleDiodeCurve string(10, 2);
    string.seriesResistance = seriesResistance;
    const Fit::Result result = CorrectionCoefficientFit::fit(
        fieldMeasurements(string, {400.0, 600.0, 800.0, 1000.0}, {45.0, 60.0}));
    QCOMPARE(result.failure, Fit::Failure::None);
    QVERIFY(result.rsFound);
    QVERIFY(result.kappaFound);
    QVERIFY2(std::abs(result.Rs - seriesResistance) / seriesResistance < 0.05,
             qPrintable(QStringLiteral("Rs %1 instead of %2").arg(result.Rs).arg(seriesResistance)));
    // A fit of curves that coincide leaves well under a volt between them on a 330 V string.
    QVERIFY2(result.residual < 0.5, qPrintable(QString::number(result.residual)));
}

void CorrectionCoefficientFitTest::fittedCoefficientsConvertCloserToTheTruth()
{
    const Fit::Result result = CorrectionCoefficientFit::fit(
        fieldMeasurements(SingleDiodeCurve(10, 2), {400.0, 600.0, 800.0, 1000.0}, {45.0, 60.0}));
    const double fitted = meanPmppError(result.Rs, result.kappa);
    const double defaults = meanPmppError(0.35, 0.00125);
    QVERIFY2(fitted < 0.5 * defaults && fitted < 0.15,
             qPrintable(QStringLiteral("%1 % with the fit, %2 % with the defaults").arg(fitted).arg(defaults)));
}

void CorrectionCoefficientFitTest::sameTemperatureKeepsKappa()
{
    Fit::Input input = fieldMeasurements(SingleDiodeCurve(10, 2), {500.0, 1000.0}, {});
    input.kappa = 0.004;
    const Fit::Result result = CorrectionCoefficientFit::fit(input);
    QVERIFY(result.rsFound);
    QVERIFY(!result.kappaFound);
    QCOMPARE(result.kappa, 0.004);
    QVERIFY(std::abs(result.Rs - SingleDiodeModule::Rs) / SingleDiodeModule::Rs < 0.05);

    // Temperatures alone show κ and keep Rs; 10 °C apart is just enough.
    Fit::Input warmer = fieldMeasurements(SingleDiodeCurve(10, 2), {}, {25.0, 35.0});
    warmer.Rs = 0.3;
    const Fit::Result kappaOnly = CorrectionCoefficientFit::fit(warmer);
    QVERIFY(!kappaOnly.rsFound);
    QVERIFY(kappaOnly.kappaFound);
    QCOMPARE(kappaOnly.Rs, 0.3);
}

void CorrectionCoefficientFitTest::whatCannotBeFitted()
{
    const SingleDiodeCurve string(10, 2);
    QCOMPARE(CorrectionCoefficientFit::fit(fieldMeasurements(string, {800.0}, {})).failure,
             Fit::Failure::TooFewCurves);
    // A curve without irradiance does not count.
    Fit::Input unlit = fieldMeasurements(string, {800.0, 1000.0}, {});
    unlit.curves.last().irradiance = 0.0;
    QCOMPARE(CorrectionCoefficientFit::fit(unlit).failure, Fit::Failure::TooFewCurves);
    // 99 W/m² and 9.9 °C apart are too close.
    Fit::Input close = fieldMeasurements(string, {901.0, 1000.0}, {});
    close.curves.last().temperature = 34.9;
    QCOMPARE(CorrectionCoefficientFit::fit(close).failure, Fit::Failure::TooLittleSpread);
    // Curves that share only currents near Isc say nothing.
    Fit::Input apart;
    apart.curves = {{{{0.0, 8.0}, {10.0, 7.9}}, 1000.0, 25.0}, {{{0.0, 4.0}, {30.0, 0.0}}, 500.0, 25.0}};
    QCOMPARE(CorrectionCoefficientFit::fit(apart).failure, Fit::Failure::NoCommonCurrents);
}

VELTRANO_TEST(CorrectionCoefficientFitTest)
#include "CorrectionCoefficientFitTest.moc"

// Curves as the document holds them: the readings as text, the module's α and β as the string's
// coefficients; the fit on what the input gathers finds the string's Rs.
void CorrectionCoefficientFitTest::curvesOfTheDocumentRecoverRs()
{
    SingleDiodeCurve string(10, 2);
    string.seriesResistance = 0.8;
    QVector<CurveData> measured;
    for (const QPointF& condition : {QPointF(400.0, 25.0), QPointF(700.0, 25.0), QPointF(1000.0, 25.0),
                                     QPointF(1000.0, 50.0)}) {
        CurveData curve = string.measure(condition.x(), condition.y());
        STCparameters parameters = curve.parameters();
        parameters.alpha = QString::number(SingleDiodeModule::alpha);
        parameters.beta = QString::number(SingleDiodeModule::beta);
        parameters.Rs = QStringLiteral("0.35");
        curve.setParameters(parameters);
        measured.append(curve);
    }
    // Without a cell temperature a curve's conditions are unknown: it must not count.
    CurveData unknown = string.measure(600.0, 40.0);
    CurveReadings readings = unknown.readings();
    readings.cellTemp = QStringLiteral("--");
    unknown.setReadings(readings);
    measured.append(unknown);

    QVector<const CurveData*> curves;
    for (const CurveData& curve : qAsConst(measured))
        curves.append(&curve);
    Fit::Input input;
    QCOMPARE(CorrectionCoefficientInput::build(curves, input), CorrectionCoefficientInput::Refusal::None);
    QCOMPARE(input.series, 10u);
    QCOMPARE(input.parallel, 2u);
    QCOMPARE(input.curves.size(), 5);
    QCOMPARE(input.curves.at(1).irradiance, 700.0);
    QCOMPARE(input.curves.at(3).temperature, 50.0);
    QCOMPARE(input.curves.at(4).irradiance, 0.0);
    QCOMPARE(input.beta, SingleDiodeModule::beta);
    QCOMPARE(input.Rs, 0.35);
    const Fit::Result result = CorrectionCoefficientFit::fit(input);
    QCOMPARE(result.failure, Fit::Failure::None);
    QVERIFY(result.rsFound);
    QVERIFY2(std::abs(result.Rs - 0.8) / 0.8 < 0.05, qPrintable(QString::number(result.Rs)));
}

void CorrectionCoefficientFitTest::curvesOfDifferentStringsAreRefused()
{
    const CurveData ten = SingleDiodeCurve(10, 2).measure(500.0, 25.0);
    const CurveData eleven = SingleDiodeCurve(11, 2).measure(1000.0, 25.0);
    CurveData otherModule = ten;
    AssignedModule module = otherModule.module();
    module.moduleId += 1;
    otherModule.setModule(module);
    Fit::Input input;
    QCOMPARE(CorrectionCoefficientInput::build({&ten, &eleven}, input),
             CorrectionCoefficientInput::Refusal::DifferentStrings);
    QCOMPARE(CorrectionCoefficientInput::build({&ten, &otherModule}, input),
             CorrectionCoefficientInput::Refusal::DifferentStrings);
    QCOMPARE(CorrectionCoefficientInput::build({&ten, &ten}, input), CorrectionCoefficientInput::Refusal::None);
}
