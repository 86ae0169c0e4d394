#include "CurveCollection.h"
#include "CurveDiagnosis.h"
#include "CurveFindings.h"
#include "CurveTable.h"
#include "CurveTreeModel.h"
#include "DiagnosisSettings.h"
#include "MeasurementStatus.h"
#include "SettingsKeys.h"
#include "SingleDiodeCurve.h"
#include "SingleDiodeModule.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

// What the diagnosis of a string reads from the file and the tree around it, and the user's limits.

using namespace IVCurve;

namespace {
using Kind = DiagnosisFinding::Kind;

// Ten modules in series, two strings in parallel, as the simulated strings are built.
constexpr unsigned series = 10;
constexpr unsigned parallel = 2;

void lookUpSimulatedModules(AssignedModule& module)
{
    if (module.moduleId != 0)
        module.setDataSheet(SingleDiodeModule::Voc, SingleDiodeModule::Isc, SingleDiodeModule::Vmpp,
                            SingleDiodeModule::Impp);
}

// A healthy string, or one whose every current is `share` of it (soiled or aged alike).
CurveData measuredString(double G, double T, double share = 1.0)
{
    const CurveData healthy = SingleDiodeCurve(series, parallel).measure(G, T);
    CurveData curve;
    curve.setReadings(healthy.readings());
    for (const QPointF& point : healthy.points())
        curve.addPoint(point.x(), point.y() * share, 0.0);
    return curve;
}

bool hasKind(const QVector<DiagnosisFinding>& findings, Kind kind)
{
    return std::any_of(findings.cbegin(), findings.cend(), [kind](const DiagnosisFinding& f) { return f.kind == kind; });
}

class Strings
{
public:
    Strings()
        : tree(file.database())
        , collection(file.database())
        , findings(collection)
    {
        collection.setModuleLookup(lookUpSimulatedModules);
    }

    int add(const CurveData& curve, unsigned moduleId = 2, unsigned stringSeries = series)
    {
        CurveData stored = curve;
        CurveTable(file.database()).insert(stored);
        file.execute(QStringLiteral("UPDATE Curves SET ModuleID = %1, ModuleSeries = %2, ModuleParallel = %3, "
                                    "STC_Rs = 0.23 WHERE CurveID = %4")
                         .arg(moduleId)
                         .arg(stringSeries)
                         .arg(parallel)
                         .arg(stored.curveId));
        return stored.curveId;
    }

    TreeItem* node(TreeItem* folder, int curveId = 0)
    {
        TreeItem* item = tree.insertNewRow(tree.indexFor(folder));
        if (curveId != 0)
            item->setValue(TreeItem::CurveId, curveId);
        return item;
    }

    TreeItem* root() { return tree.itemFor(QModelIndex()); }

    TestCurveFile file;
    CurveTreeModel tree;
    CurveCollection collection;
    CurveFindings findings;
};
} // namespace

class CurveFindingsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void siblingsShareFolderModuleAndLayout();
    void weakStringStandsOutAmongItsSiblings();
    void weakOrUnevenLightMakesEveryFindingUncertain();
    void expectedPowerFollowsTheMeasuredConditions();
    void foldersAndEmptyResultsHaveNoFindings();
    void treeMarksSureAndUncertainFindingsApart();
    void limitsAreReadWithinTheirRanges_data();
    void limitsAreReadWithinTheirRanges();
    void storingTellsOnlyOfAChange();
};

void CurveFindingsTest::cleanup()
{
    QSettings settings;
    for (const DiagnosisSettings::Field& field : DiagnosisSettings::fields())
        settings.remove(field.key);
}

// The folder holds the string, a second node of the very same curve, a like string, one with more
// modules in series, one of another module, a sub-folder with a like string, and a folder node;
// another folder holds a like string too. Only the one like string beside it is a sibling.
void CurveFindingsTest::siblingsShareFolderModuleAndLayout()
{
    Strings strings;
    TreeItem* folder = strings.node(strings.root());
    TreeItem* otherFolder = strings.node(strings.root());
    const int own = strings.add(measuredString(1000.0, 25.0));
    const int like = strings.add(measuredString(1000.0, 25.0, 0.8));
    strings.node(folder, strings.add(measuredString(1000.0, 25.0), 2, series + 2));
    strings.node(folder, strings.add(measuredString(1000.0, 25.0), 3));
    strings.node(strings.node(folder), strings.add(measuredString(1000.0, 25.0)));
    strings.node(folder);
    strings.node(otherFolder, strings.add(measuredString(1000.0, 25.0)));
    strings.node(folder, own);
    strings.node(folder, like);
    TreeItem* item = strings.node(folder, own);

    const QVector<double> siblings = strings.findings.siblingStcPmpps(item, *strings.collection.curve(own));
    QCOMPARE(siblings.size(), 1);
    QCOMPARE(siblings.first(), strings.collection.curve(like)->stcCurve(true).pmpp());
    // The like string is weaker by a fifth: its power at STC must be the smaller one.
    QVERIFY(siblings.first() < 0.85 * strings.collection.curve(own)->stcCurve(true).pmpp());
}

// Three healthy strings and one that gives 90 % of their current: only that one stands out,
// 10 % below the others' median (beyond the 5 % limit), and falls short of its nominal power.
void CurveFindingsTest::weakStringStandsOutAmongItsSiblings()
{
    Strings strings;
    TreeItem* folder = strings.node(strings.root());
    QVector<TreeItem*> healthy;
    for (int i = 0; i < 3; ++i)
        healthy.append(strings.node(folder, strings.add(measuredString(1000.0, 25.0))));
    TreeItem* weak = strings.node(folder, strings.add(measuredString(1000.0, 25.0, 0.9)));

    const QVector<DiagnosisFinding> found = strings.findings.findingsOf(weak);
    QVERIFY(hasKind(found, Kind::Outlier));
    QVERIFY(hasKind(found, Kind::LowStcRatio));
    QVERIFY(hasKind(found, Kind::LowPerformance));
    for (const DiagnosisFinding& finding : found) {
        QVERIFY(!finding.uncertain);
        if (finding.kind == Kind::Outlier)
            QVERIFY2(qAbs(finding.value - 0.10) < 0.005, qPrintable(QString::number(finding.value)));
    }
    for (TreeItem* item : healthy)
        QVERIFY(!hasKind(strings.findings.findingsOf(item), Kind::Outlier));
}

// 400 W/m² is the limit: measured in it the findings hold, a watt less and they are uncertain;
// so are those of a string whose points saw irradiance spread by more than 10 %.
void CurveFindingsTest::weakOrUnevenLightMakesEveryFindingUncertain()
{
    Strings strings;
    TreeItem* folder = strings.node(strings.root());
    TreeItem* atLimit = strings.node(folder, strings.add(measuredString(400.0, 25.0, 0.8)));
    TreeItem* belowLimit = strings.node(folder, strings.add(measuredString(399.0, 25.0, 0.8)));
    TreeItem* spread = strings.node(folder, strings.add(measuredString(800.0, 25.0, 0.8)));
    spread->setValue(TreeItem::Status, uint(IrradianceSpread));

    const auto uncertainties = [&strings](TreeItem* item) {
        QVector<bool> marks;
        for (const DiagnosisFinding& finding : strings.findings.findingsOf(item))
            marks.append(finding.uncertain);
        return marks;
    };
    const QVector<bool> sure = uncertainties(atLimit);
    QVERIFY(!sure.isEmpty());
    QVERIFY(!sure.contains(true));
    for (TreeItem* item : {belowLimit, spread}) {
        const QVector<bool> doubtful = uncertainties(item);
        QVERIFY(!doubtful.isEmpty());
        QVERIFY(!doubtful.contains(false));
    }
}

// The single-diode model is the truth both for the data sheet and for the measurement, so a
// healthy string measured at 800 W/m² and 45 °C must meet its expectation within 2 %, and one
// giving 90 % of that current is flagged.
void CurveFindingsTest::expectedPowerFollowsTheMeasuredConditions()
{
    Strings strings;
    TreeItem* folder = strings.node(strings.root());
    const int healthyId = strings.add(measuredString(800.0, 45.0));
    TreeItem* healthy = strings.node(folder, healthyId);
    TreeItem* soiled = strings.node(folder, strings.add(measuredString(800.0, 45.0, 0.9)));
    strings.file.execute(QStringLiteral("UPDATE Curves SET STC_alpha = %1, STC_beta = %2")
                             .arg(SingleDiodeModule::alpha)
                             .arg(SingleDiodeModule::beta));

    CurveData* curve = strings.collection.curve(healthyId);
    QVERIFY(curve);
    const CurveDiagnosisInput input = strings.findings.inputOf(healthy, *curve);
    QVERIFY(input.expectedPmpp > 0.0);
    QVERIFY(qAbs(CurveDiagnosis::maximumPower(input.points) / input.expectedPmpp - 1.0) < 0.02);
    QVERIFY(!hasKind(strings.findings.findingsOf(healthy), Kind::LowPerformance));
    QVERIFY(hasKind(strings.findings.findingsOf(soiled), Kind::LowPerformance));

    CurveReadings readings = curve->readings();
    readings.cellTemp.clear();
    curve->setReadings(readings);
    QCOMPARE(strings.findings.inputOf(healthy, *curve).expectedPmpp, 0.0);
}

void CurveFindingsTest::foldersAndEmptyResultsHaveNoFindings()
{
    Strings strings;
    TreeItem* folder = strings.node(strings.root());
    CurveData insulationOnly;
    CurveReadings readings;
    readings.riso = QStringLiteral("500");
    insulationOnly.setReadings(readings);
    TreeItem* empty = strings.node(folder, strings.add(insulationOnly));
    QVERIFY(strings.findings.findingsOf(folder).isEmpty());
    QVERIFY(strings.findings.findingsOf(empty).isEmpty());
}

// A string in bright light with its module assigned has no approximation mark of its own, so its
// row's mark comes from the findings alone.
void CurveFindingsTest::treeMarksSureAndUncertainFindingsApart()
{
    Strings strings;
    TreeItem* item = strings.node(strings.root(), strings.add(measuredString(1000.0, 25.0)));
    item->setValue(TreeItem::Irradiance, 1000);
    item->setValue(TreeItem::ModuleId, 2);
    item->setValue(TreeItem::Description, QStringLiteral("String 1"));
    const QModelIndex index = strings.tree.indexFor(item);
    const auto markIs = [&strings, &index](QStyle::StandardPixmap icon) {
        const QIcon shown = strings.tree.data(index, Qt::DecorationRole).value<QIcon>();
        return shown.pixmap(16).toImage() == QApplication::style()->standardIcon(icon).pixmap(16).toImage();
    };
    QVERIFY(strings.tree.data(index, Qt::DecorationRole).isNull());

    DiagnosisFinding step;
    step.kind = Kind::Step;
    step.voltage = 120.0;
    DiagnosisFinding shunt;
    shunt.kind = Kind::LowShuntResistance;
    shunt.value = 0.04;
    shunt.uncertain = step.uncertain = true;
    strings.tree.setItemFindings(item, {step, shunt});
    QVERIFY(markIs(QStyle::SP_MessageBoxQuestion));
    QCOMPARE(strings.tree.data(index, Qt::ToolTipRole).toString(),
             QStringLiteral("String 1\n") + step.text() + QLatin1Char('\n') + shunt.text());

    shunt.uncertain = false;
    strings.tree.setItemFindings(item, {step, shunt});
    QVERIFY(markIs(QStyle::SP_MessageBoxWarning));

    strings.tree.setItemFindings(item, {});
    QVERIFY(strings.tree.data(index, Qt::DecorationRole).isNull());
    QCOMPARE(strings.tree.data(index, Qt::ToolTipRole).toString(), QStringLiteral("String 1"));
}

void CurveFindingsTest::limitsAreReadWithinTheirRanges_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("expected");
    QTest::newRow("performance factor") << SettingsKeys::diagnosisPerformanceFactor << QVariant(0.9) << 0.9;
    QTest::newRow("performance factor at 100 %") << SettingsKeys::diagnosisPerformanceFactor << QVariant(1.0) << 1.0;
    QTest::newRow("performance factor past 100 %") << SettingsKeys::diagnosisPerformanceFactor << QVariant(1.001)
                                                    << 0.95;
    QTest::newRow("performance factor as words") << SettingsKeys::diagnosisPerformanceFactor
                                                 << QVariant(QStringLiteral("high")) << 0.95;
    QTest::newRow("STC ratio at 50 %") << SettingsKeys::diagnosisStcRatio << QVariant(0.5) << 0.5;
    QTest::newRow("STC ratio below 50 %") << SettingsKeys::diagnosisStcRatio << QVariant(0.499) << 0.95;
    QTest::newRow("step at 50 %") << SettingsKeys::diagnosisStepDrop << QVariant(0.5) << 0.5;
    QTest::newRow("step past 50 %") << SettingsKeys::diagnosisStepDrop << QVariant(0.51) << 0.05;
    QTest::newRow("series factor at 10") << SettingsKeys::diagnosisSeriesResistanceFactor << QVariant(10.0) << 10.0;
    QTest::newRow("series factor below 1") << SettingsKeys::diagnosisSeriesResistanceFactor << QVariant(0.9) << 2.0;
    QTest::newRow("shunt at 1 %") << SettingsKeys::diagnosisShuntDrop << QVariant(0.01) << 0.01;
    QTest::newRow("shunt not a number") << SettingsKeys::diagnosisShuntDrop << QVariant(qQNaN()) << 0.03;
    QTest::newRow("siblings") << SettingsKeys::diagnosisSiblingShortfall << QVariant(0.1) << 0.1;
    QTest::newRow("irradiance at 1000") << SettingsKeys::diagnosisLowIrradiance << QVariant(1000.0) << 1000.0;
    QTest::newRow("irradiance past 1000") << SettingsKeys::diagnosisLowIrradiance << QVariant(1000.5) << 400.0;
    QTest::newRow("irradiance negative") << SettingsKeys::diagnosisLowIrradiance << QVariant(-1.0) << 400.0;
}

void CurveFindingsTest::limitsAreReadWithinTheirRanges()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(double, expected);
    QSettings().setValue(key, stored);
    const DiagnosisThresholds read = DiagnosisSettings::thresholds();
    for (const DiagnosisSettings::Field& field : DiagnosisSettings::fields()) {
        const double wanted = field.key == key ? expected : DiagnosisThresholds().*field.value;
        QCOMPARE(read.*field.value, wanted);
    }
}

void CurveFindingsTest::storingTellsOnlyOfAChange()
{
    QSignalSpy changes(&DiagnosisSettings::instance(), &DiagnosisSettings::thresholdsChanged);
    DiagnosisSettings::instance().store(DiagnosisThresholds());
    QCOMPARE(changes.count(), 0);
    DiagnosisThresholds stricter;
    stricter.performanceFactor = 0.97;
    DiagnosisSettings::instance().store(stricter);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(DiagnosisSettings::thresholds().performanceFactor, 0.97);
    QCOMPARE(QSettings().value(SettingsKeys::diagnosisPerformanceFactor).toDouble(), 0.97);
}

VELTRANO_TEST(CurveFindingsTest)
#include "CurveFindingsTest.moc"
