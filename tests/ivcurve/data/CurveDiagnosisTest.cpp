#include "CurveCsvImporter.h"
#include "CurveDiagnosis.h"
#include "CurveTable.h"
#include "CurveTreeModel.h"
#include "SingleDiodeCurve.h"
#include "SingleDiodeModule.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QSqlQuery>
#include <QTest>

#include <cmath>

// The diagnosis rules at their limits on hand-made curves, on single-diode strings with the
// faults they name, and on the tester's own files.

using namespace IVCurve;

namespace {
using Kind = DiagnosisFinding::Kind;

// The shipped database's series resistance of the simulated module, Ω.
constexpr double dataSheetRs = 0.325;

// As numbers, which the test data can hold.
QVector<int> kindsOf(const QVector<DiagnosisFinding>& findings)
{
    QVector<int> kinds;
    for (const DiagnosisFinding& found : findings)
        kinds.append(int(found.kind));
    return kinds;
}

QVector<int> curveFindings(const SingleDiodeCurve& string, double G, double T, double moduleRs = dataSheetRs)
{
    CurveDiagnosisInput input;
    input.points = string.measure(G, T).points();
    input.irradiance = G;
    input.cellTemperature = T;
    input.cellsInSeries = SingleDiodeModule::cells;
    input.moduleRs = moduleRs;
    input.series = 10;
    input.parallel = 2;
    return kindsOf(CurveDiagnosis::diagnose(input));
}

// Every 5 V from 0 to 400 V: from 8 A the current falls to 5 A between 100 and 110 V and stays
// near it until the knee from 300 V.
QVector<QPointF> steppedCurve()
{
    QVector<QPointF> points;
    for (double v = 0.0; v <= 400.0; v += 5.0) {
        double current = 8.0 - 0.001 * v;
        if (v == 105.0)
            current = 6.5;
        else if (v >= 110.0)
            current = 5.0 - 0.0002 * (v - 110.0);
        if (v > 300.0)
            current *= 1.0 - std::pow((v - 300.0) / 100.0, 2.0);
        points.append(QPointF(v, current));
    }
    return points;
}

QVector<QVector<QPointF>> testerCurves(TestCurveFile& file, const QString& name)
{
    CurveTreeModel tree(file.database());
    CurveCsvImporter importer(QStringLiteral(TEST_DATA_DIR "/") + name, file.database(), tree);
    importer.run();
    CurveTable table(file.database());
    QVector<QVector<QPointF>> curves;
    for (const int id : importer.curveIds()) {
        CurveData curve;
        table.load(id, curve);
        if (curve.points().size() > 2)
            curves.append(curve.points());
    }
    return curves;
}
} // namespace

class CurveDiagnosisTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void modelStringMatchesTheModule();
    void powerFindingsAtTheirLimits();
    void stepOnAHandMadeCurve();
    void seriesResistanceAtItsLimit();
    void shuntResistanceAtItsLimit();
    void outlierAgainstTheMedianOfItsSiblings();
    void weakOrUnevenLightMakesFindingsUncertain();
    void syntheticFaultsFireTheirRules_data();
    void syntheticFaultsFireTheirRules();
    void testerCurvesAreHealthy();
    void findingTexts();
};

void CurveDiagnosisTest::init()
{
    QLocale::setDefault(QLocale::c());
}

// The sub-string model is the module's diode law where nothing is shaded.
void CurveDiagnosisTest::modelStringMatchesTheModule()
{
    const SingleDiodeCurve string(10, 2);
    for (const double v : {0.0, 150.0, 263.0, 300.0})
        QVERIFY(std::abs(string.current(v, 800.0, 45.0) - 2.0 * SingleDiodeModule::current(v / 10.0, 800.0, 45.0)) < 1e-6);
}

// 95 of 100 is the limit itself and no finding; 0.1 W less is one.
void CurveDiagnosisTest::powerFindingsAtTheirLimits()
{
    const DiagnosisThresholds limits;
    QVERIFY(!CurveDiagnosis::performance(95.0, 100.0, limits));
    const auto low = CurveDiagnosis::performance(94.9, 100.0, limits);
    QVERIFY(low);
    QCOMPARE(low->kind, Kind::LowPerformance);
    QCOMPARE(low->value, 0.949);
    QVERIFY(!CurveDiagnosis::performance(10.0, 0.0, limits));

    QVERIFY(!CurveDiagnosis::stcRatio(950.0, 1000.0, limits));
    QCOMPARE(CurveDiagnosis::stcRatio(949.0, 1000.0, limits)->kind, Kind::LowStcRatio);
    DiagnosisThresholds lenient;
    lenient.stcRatio = 0.9;
    QVERIFY(!CurveDiagnosis::stcRatio(901.0, 1000.0, lenient));
}

void CurveDiagnosisTest::stepOnAHandMadeCurve()
{
    const auto found = CurveDiagnosis::step(steppedCurve(), DiagnosisThresholds());
    QVERIFY(found);
    QCOMPARE(found->voltage, 100.0);

    // A concave curve has none, neither has a step of 2.5 % of Isc nor a dip that climbs back.
    QVector<QPointF> healthy;
    QVector<QPointF> shallow;
    for (const QPointF& point : steppedCurve()) {
        healthy.append(QPointF(point.x(), 8.0 * (1.0 - std::pow(point.x() / 400.0, 8.0))));
        shallow.append(QPointF(point.x(), point.x() < 105.0 ? point.y() : point.x() == 105.0 ? 7.8 : point.y() + 2.7));
    }
    QVERIFY(!CurveDiagnosis::step(healthy, DiagnosisThresholds()));
    QVERIFY(!CurveDiagnosis::step(shallow, DiagnosisThresholds()));
    QVector<QPointF> dip = healthy;
    dip[21].ry() = 6.5;
    QVERIFY(!CurveDiagnosis::step(dip, DiagnosisThresholds()));
    QVERIFY(!CurveDiagnosis::step({{0.0, 8.0}, {100.0, 0.0}}, DiagnosisThresholds()));
}

// Below a fifth of Isc lie (95 V, 20 A) and (100 V, 0 A): −dV/dI = 0.25 Ω.
void CurveDiagnosisTest::seriesResistanceAtItsLimit()
{
    CurveDiagnosisInput input;
    input.points = {{0, 100}, {50, 90}, {90, 60}, {95, 20}, {100, 0}};
    const auto judged = [&input](double moduleRs, unsigned series, unsigned parallel) {
        input.moduleRs = moduleRs;
        input.series = series;
        input.parallel = parallel;
        return CurveDiagnosis::seriesResistance(input, DiagnosisThresholds());
    };
    QVERIFY(!judged(0.125, 1, 1));
    const auto high = judged(0.12, 1, 1);
    QVERIFY(high);
    QCOMPARE(high->value, 0.25);
    QCOMPARE(high->limit, 0.24);
    // Two modules in series, four strings in parallel: 2 · 0.25 · 2 / 4.
    QVERIFY(!judged(0.25, 2, 4));
    QVERIFY(judged(0.24, 2, 4));
    QVERIFY(!judged(0.0, 1, 1));

    // 60 cells at 25 °C: 1.2 · 60 · 0.025693 V / 100 A = 0.0184990 Ω at Voc, times
    // ln(1.25) / 0.2 = 1.1157178 averaged up to a fifth of Isc: 0.0206396 Ω of the 0.25 Ω are the
    // diodes', leaving 0.2293604 Ω, which a module Rs of 0.1146802 Ω just holds.
    input.cellsInSeries = 60;
    input.cellTemperature = 25.0;
    QVERIFY(!judged(0.11469, 1, 1));
    const auto withoutDiodes = judged(0.11467, 1, 1);
    QVERIFY(withoutDiodes);
    QVERIFY(qAbs(withoutDiodes->value - 0.2293604) < 1e-6);
}

// From 100 A at 0 V to 97 A at a fifth of the 100 V is a fall of 3 %, the limit itself.
void CurveDiagnosisTest::shuntResistanceAtItsLimit()
{
    const DiagnosisThresholds limits;
    QVERIFY(!CurveDiagnosis::shuntResistance({{0, 100}, {20, 97}, {90, 60}, {100, 0}}, limits));
    const auto low = CurveDiagnosis::shuntResistance({{0, 100}, {20, 96.99}, {90, 60}, {100, 0}}, limits);
    QVERIFY(low);
    QCOMPARE(low->kind, Kind::LowShuntResistance);
    // Between points the current is read along the line: 96.9 A at 20 V.
    QVERIFY(CurveDiagnosis::shuntResistance({{0, 100}, {10, 98.5}, {30, 93.3}, {100, 0}}, limits));
    QCOMPARE(CurveDiagnosis::currentAt({{0, 100}, {10, 98.5}, {30, 93.3}}, 20.0), 95.9);
}

void CurveDiagnosisTest::outlierAgainstTheMedianOfItsSiblings()
{
    const DiagnosisThresholds limits;
    const QVector<double> siblings{100.0, 130.0, 90.0, 120.0, 100.0};
    QVERIFY(!CurveDiagnosis::outlier(95.0, siblings, limits));
    const auto low = CurveDiagnosis::outlier(94.0, siblings, limits);
    QVERIFY(low);
    QCOMPARE(low->value, 0.06);
    // With an even count the median lies halfway between the middle two.
    QVERIFY(!CurveDiagnosis::outlier(95.0, {90.0, 110.0}, limits));
    QVERIFY(CurveDiagnosis::outlier(94.9, {90.0, 110.0}, limits));
    QVERIFY(!CurveDiagnosis::outlier(10.0, {}, limits));
}

void CurveDiagnosisTest::weakOrUnevenLightMakesFindingsUncertain()
{
    CurveDiagnosisInput input;
    input.points = steppedCurve();
    input.irradiance = 400.0;
    QCOMPARE(CurveDiagnosis::diagnose(input).size(), 1);
    QVERIFY(!CurveDiagnosis::diagnose(input).first().uncertain);
    input.irradiance = 399.0;
    QVERIFY(CurveDiagnosis::diagnose(input).first().uncertain);
    input.irradiance = 0.0;
    QVERIFY(CurveDiagnosis::diagnose(input).first().uncertain);
    input.irradiance = 900.0;
    input.irradianceSpread = true;
    QVERIFY(CurveDiagnosis::diagnose(input).first().uncertain);
}

// A healthy string gives no finding; a faulty one gives the finding of its fault, besides which
// a leaky string also looks resistive at low light, as its diode then carries little current.
void CurveDiagnosisTest::syntheticFaultsFireTheirRules_data()
{
    QTest::addColumn<double>("seriesResistance");
    QTest::addColumn<double>("shuntResistance");
    QTest::addColumn<int>("shadedSubStrings");
    QTest::addColumn<QVector<int>>("expected");
    QTest::addColumn<double>("moduleRs");
    const double Rs = SingleDiodeModule::Rs;
    const double Rsh = SingleDiodeModule::Rsh;
    QTest::newRow("healthy") << Rs << Rsh << 0 << QVector<int>{} << dataSheetRs;
    // The module's own Rs, as determining the coefficients from its curves stores it.
    QTest::newRow("healthy, fitted Rs") << Rs << Rsh << 0 << QVector<int>{} << Rs;
    QTest::newRow("shaded") << Rs << Rsh << 6 << QVector<int>{int(Kind::Step)} << dataSheetRs;
    QTest::newRow("high Rs") << Rs + 0.8 << Rsh << 0 << QVector<int>{int(Kind::HighSeriesResistance)} << dataSheetRs;
    QTest::newRow("high Rs, fitted Rs") << Rs + 0.8 << Rsh << 0 << QVector<int>{int(Kind::HighSeriesResistance)} << Rs;
    QTest::newRow("low Rsh") << Rs << 20.0 << 0 << QVector<int>{int(Kind::LowShuntResistance)} << dataSheetRs;
}

void CurveDiagnosisTest::syntheticFaultsFireTheirRules()
{
    QFETCH(double, seriesResistance);
    QFETCH(double, shuntResistance);
    QFETCH(int, shadedSubStrings);
    QFETCH(QVector<int>, expected);
    QFETCH(double, moduleRs);
    SingleDiodeCurve string(10, 2);
    string.seriesResistance = seriesResistance;
    string.shuntResistance = shuntResistance;
    string.shadedSubStrings = shadedSubStrings;
    string.shadedLight = 0.4;
    for (const QPointF& condition : {QPointF(1000.0, 25.0), QPointF(800.0, 45.0), QPointF(500.0, 30.0)}) {
        const QVector<int> found = curveFindings(string, condition.x(), condition.y(), moduleRs);
        if (expected.isEmpty())
            QCOMPARE(found, expected);
        else
            QVERIFY2(found.contains(expected.first()), qPrintable(QStringLiteral("at %1 W/m²").arg(condition.x())));
    }
}

// The tester's sample results hold healthy strings: no step, no shunt and no series finding
// against a data-sheet Rs of 0.35 Ω for modules of about 35 V.
void CurveDiagnosisTest::testerCurvesAreHealthy()
{
    TestCurveFile file;
    const QVector<QVector<QPointF>> curves = testerCurves(file, QStringLiteral("results-point.csv"));
    QCOMPARE(curves.size(), 2);
    for (const QVector<QPointF>& points : curves) {
        CurveDiagnosisInput input;
        input.points = points;
        input.irradiance = 700.0;
        input.moduleRs = 0.35;
        input.series = unsigned(std::lround(points.last().x() / 35.0));
        QCOMPARE(CurveDiagnosis::diagnose(input).size(), 0);
    }
}

void CurveDiagnosisTest::findingTexts()
{
    DiagnosisFinding step;
    step.kind = Kind::Step;
    step.voltage = 212.25;
    QCOMPARE(step.text(), QStringLiteral("step in the curve from 212.3 V: shading or an active bypass diode"));
    DiagnosisFinding series;
    series.kind = Kind::HighSeriesResistance;
    series.value = 1.5;
    series.limit = 0.65;
    series.uncertain = true;
    QCOMPARE(series.text(), QStringLiteral("high series resistance (1.50 Ω, more than 0.65 Ω): check connectors "
                                           "and cables (uncertain: low or uneven irradiance)"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DiagnosisFinding outlier;
    outlier.kind = Kind::Outlier;
    outlier.value = 0.062;
    QCOMPARE(outlier.text(), QStringLiteral("power at STC is 6,2 % below the median of the other strings"));
}

VELTRANO_TEST(CurveDiagnosisTest)
#include "CurveDiagnosisTest.moc"
