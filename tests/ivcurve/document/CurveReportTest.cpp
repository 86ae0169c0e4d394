#include "AssignedModule.h"
#include "CurveData.h"
#include "CurveReport.h"
#include "CurveReportPrinter.h"
#include "Globals.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace IVCurve;

namespace {
// One module of 100 V and 10 A at its maximum power point: 1000 W nominal for a string of one.
AssignedModule thousandWattModule()
{
    AssignedModule module;
    module.moduleId = 4;
    module.setDataSheet(120.0, 11.0, 100.0, 10.0);
    return module;
}

// Measured at standard conditions from axis to axis, so that STC and measured values agree.
CurveData stringAtStc(double currentAtHundredVolts, const AssignedModule& module = thousandWattModule())
{
    CurveData curve;
    curve.setModule(module);
    CurveReadings readings;
    readings.irradiance = QStringLiteral("1000");
    readings.cellTemp = QStringLiteral("25");
    curve.setReadings(readings);
    curve.addPoint(0.0, 11.0, 1000.0);
    curve.addPoint(100.0, currentAtHundredVolts, 1000.0);
    curve.addPoint(120.0, 0.0, 1000.0);
    return curve;
}

struct Cell
{
    QString style;
    QString text;
};

QVector<Cell> cellsOf(const QString& row)
{
    static const QRegularExpression cell(QStringLiteral("<td style=\"([^\"]*)\">\n(.*?)\n< / td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QVector<Cell> cells;
    for (QRegularExpressionMatchIterator it = cell.globalMatch(row); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        cells.append({match.captured(1), match.captured(2)});
    }
    return cells;
}

// What a reader sees of each cell: an HTML comment left in a cell shows nothing.
QStringList textsOf(const QVector<Cell>& cells)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"));
    QStringList texts;
    for (const Cell& cell : cells)
        texts << QString(cell.text).remove(comment);
    return texts;
}

QStringList groupsIn(const QString& html)
{
    static const QRegularExpression group(QStringLiteral("class=\"group\"[^>]*>([^<]*)<"));
    QStringList names;
    for (QRegularExpressionMatchIterator it = group.globalMatch(html); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class CurveReportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void resultsWithoutCurveShowWhatWasMeasured();
    void deviationIsMarkedPastTheThreshold_data();
    void deviationIsMarkedPastTheThreshold();
    void rowsAreGroupedUnderTheirFileAndFolder();
    void totalsCompareMeasuredAndStcWithNominal();
    void measuredPowerIsSetAgainstTheExpectedPower();
    void datesCarryFourDigitYears();
    void thresholdSettingReadsOnlyPercentages_data();
    void thresholdSettingReadsOnlyPercentages();
    void everyPageRepeatsTheHeadingsAndIsNumbered();
};

void CurveReportTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    Globals::setReportsFolder(QStringLiteral("reports_en"));
}

void CurveReportTest::init()
{
    QLocale::setDefault(QLocale::c());
}

void CurveReportTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

// An insulation test, a continuity test and a test without points, as the tester files them.
void CurveReportTest::resultsWithoutCurveShowWhatWasMeasured()
{
    CurveData insulation;
    CurveReadings readings;
    readings.riso = QStringLiteral("631.7");
    readings.viso = QStringLiteral("1000");
    insulation.setReadings(readings);
    const QStringList insulationCells =
        textsOf(cellsOf(CurveReport::keyValueRow({QStringLiteral("String 3"), &insulation, {}})));
    QCOMPARE(insulationCells.first(), QStringLiteral("String 3<br><i>no IV curve</i>"));
    for (int column : {1, 2, 5, 6, 7, 8, 10, 11, 13, 14, 16, 17})
        QCOMPARE(insulationCells.at(column), QString());
    QCOMPARE(textsOf(cellsOf(CurveReport::measurementRow({QStringLiteral("String 3"), &insulation, {}}))).at(5),
             QStringLiteral("Riso 631.7 MΩ at 1000 V"));

    CurveData continuity;
    readings = CurveReadings();
    readings.rpe = QStringLiteral("0.44");
    readings.iclamp = QStringLiteral("5.2");
    continuity.setReadings(readings);
    QCOMPARE(textsOf(cellsOf(CurveReport::measurementRow({QStringLiteral("String 5"), &continuity, {}}))).at(5),
             QStringLiteral("Rpe 0.44 Ω; Iclamp 5.2 A"));

    CurveData readingsOnly;
    readings = CurveReadings();
    readings.voc = QStringLiteral("324.3");
    readings.isc = QStringLiteral("5.05");
    readings.vmp = QStringLiteral("251.8");
    readings.imp = QStringLiteral("3.78");
    readingsOnly.setReadings(readings);
    const QStringList cells = textsOf(cellsOf(CurveReport::keyValueRow({QStringLiteral("String 6"), &readingsOnly, {}})));
    // 251.8 V x 3.78 A = 951.804 W, the power at the point the tester reported.
    QCOMPARE(cells.at(1), QStringLiteral("952"));
    QCOMPARE(cells.at(7), QStringLiteral("324.3"));
    QCOMPARE(cells.at(10), QStringLiteral("251.8"));
    QCOMPARE(cells.at(13), QStringLiteral("5.05"));
    QCOMPARE(cells.at(16), QStringLiteral("3.78"));
    for (int column : {2, 5, 6, 8, 11, 14, 17})
        QCOMPARE(cells.at(column), QString());
    QCOMPARE(cells.first(), QStringLiteral("String 6<br><i>no IV curve</i>"));
}

// Nominal 1000 W; at 100 V the string gives 9.5 A (950 W, 5.0 % below) or 9.49 A (949 W, 5.1 %).
void CurveReportTest::deviationIsMarkedPastTheThreshold_data()
{
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QString>("deviation");
    QTest::addColumn<bool>("marked");
    QTest::newRow("at the limit") << 9.5 << 5.0 << "5.0" << false;
    QTest::newRow("one past") << 9.49 << 5.0 << "5.1" << true;
    QTest::newRow("higher limit") << 9.49 << 10.0 << "5.1" << false;
    QTest::newRow("above nominal") << 10.6 << 5.0 << "6.0" << true;
}

void CurveReportTest::deviationIsMarkedPastTheThreshold()
{
    QFETCH(double, current);
    QFETCH(double, threshold);
    QFETCH(QString, deviation);
    QFETCH(bool, marked);
    CurveData curve = stringAtStc(current);
    const QVector<Cell> cells = cellsOf(CurveReport::keyValueRow({QStringLiteral("String 1"), &curve, {}}, threshold));
    QCOMPARE(cells.at(3).text, QStringLiteral("1000"));
    QCOMPARE(cells.at(4).text, deviation);
    QCOMPARE(cells.at(4).style.contains(QStringLiteral("background-color")), marked);
    QVERIFY(!cells.at(3).style.contains(QStringLiteral("background-color")));
}

// Two strings of one name in two places: the group above each row tells which is which.
void CurveReportTest::rowsAreGroupedUnderTheirFileAndFolder()
{
    CurveData a = stringAtStc(9.5);
    CurveData b = stringAtStc(9.5);
    CurveData c = stringAtStc(9.5);
    CurveData d = stringAtStc(9.5);
    const QVector<CurveReport::Entry> entries{
        {QStringLiteral("String A"), &a, {QStringLiteral("roof.csv")}},
        {QStringLiteral("String B"), &b, {QStringLiteral("roof.csv")}},
        {QStringLiteral("String C"), &c, {QStringLiteral("roof.csv"), QStringLiteral("East <wing>")}},
        {QStringLiteral("String D"), &d, {QStringLiteral("carport.csv")}}};
    const QString page = CurveReport::html(CurveReport::templateText(), entries);
    const QStringList groups{"roof.csv", "roof.csv › East &lt;wing&gt;", "carport.csv"};
    QCOMPARE(groupsIn(page), groups + groups);
    const QStringList order{groups[0], "String A", "String B", groups[1], "String C", groups[2], "String D"};
    // A file imported twice is two nodes of one name, and two groups.
    const QVector<CurveReport::Entry> twice{{QStringLiteral("String A"), &a, {QStringLiteral("roof.csv")}, 1},
                                            {QStringLiteral("String A"), &b, {QStringLiteral("roof.csv")}, 9}};
    QCOMPARE(groupsIn(CurveReport::html(CurveReport::templateText(), twice)).size(), 4);
    for (int table = 0; table < 2; ++table) {
        int at = page.indexOf(table == 0 ? QStringLiteral("Measurement Data") : QStringLiteral("IV Curve Data"));
        for (const QString& next : order) {
            const int found = page.indexOf(next, at);
            QVERIFY2(found > at, qPrintable(next));
            at = found + next.size();
        }
    }
}

void CurveReportTest::totalsCompareMeasuredAndStcWithNominal()
{
    CurveData first = stringAtStc(9.5);
    CurveData second = stringAtStc(9.0);
    CurveData insulation;
    QVector<CurveReport::Entry> entries{{QStringLiteral("String 1"), &first, {}},
                                        {QStringLiteral("String 2"), &second, {}},
                                        {QStringLiteral("String 3"), &insulation, {}}};
    // 950 W + 900 W = 1850 W against 2000 W: 7.5 % below; the insulation test adds nothing.
    QVector<Cell> totals = cellsOf(CurveReport::totalRow(entries, 5.0));
    QCOMPARE(textsOf(totals).mid(0, 5), (QStringList{"Total", "1850", "1850", "2000", "7.5"}));
    QVERIFY(totals.at(4).style.contains(QStringLiteral("background-color")));
    QCOMPARE(textsOf(cellsOf(CurveReport::totalRow(entries, 8.0))).at(4), QStringLiteral("7.5"));
    QVERIFY(!cellsOf(CurveReport::totalRow(entries, 8.0)).at(4).style.contains(QStringLiteral("background-color")));

    // A string without module has no nominal power: a total deviation would compare unlike sums.
    CurveData unassigned = stringAtStc(9.0, AssignedModule());
    entries.append({QStringLiteral("String 4"), &unassigned, {}});
    totals = cellsOf(CurveReport::totalRow(entries, 5.0));
    QCOMPARE(textsOf(totals).mid(0, 5), (QStringList{"Total", "2750", "2750", "2000", ""}));
    const QString page = CurveReport::html(CurveReport::templateText(), entries);
    QVERIFY(page.contains(QStringLiteral("The nominal total covers only the strings with a module assigned.")));
    QVERIFY(CurveReport::html(CurveReport::templateText(), entries, 7.5)
                .contains(QStringLiteral("Deviations from the nominal power of more than 7.5 % are marked in colour.")));
}

// At STC the expected curve is the data sheet's: its diode law through 100 V and 10 A
// (m = −20 V / ln(1/11)) peaks at 1001.1 W a little below 100 V.
void CurveReportTest::measuredPowerIsSetAgainstTheExpectedPower()
{
    CurveData first = stringAtStc(9.5);
    CurveData second = stringAtStc(9.1);
    CurveData insulation;
    QVector<CurveReport::Entry> entries{{QStringLiteral("String 1"), &first, {}},
                                        {QStringLiteral("String 2"), &second, {}},
                                        {QStringLiteral("String 3"), &insulation, {}}};
    QCOMPARE(textsOf(cellsOf(CurveReport::keyValueRow(entries.at(0)))).mid(1, 6),
             (QStringList{"950", "950", "1000", "5.0", "1001", "0.95"}));
    // 950 W + 910 W against 2002.2 W expected; the insulation test adds nothing.
    QCOMPARE(textsOf(cellsOf(CurveReport::totalRow(entries))).mid(5, 2), (QStringList{"2002", "0.93"}));

    // Without conditions there is no expectation, and a total of the others would read as a loss.
    CurveReadings noConditions = second.readings();
    noConditions.cellTemp.clear();
    second.setReadings(noConditions);
    QCOMPARE(textsOf(cellsOf(CurveReport::keyValueRow(entries.at(1)))).mid(5, 2), (QStringList{"", ""}));
    QCOMPARE(textsOf(cellsOf(CurveReport::totalRow(entries))).mid(5, 2), (QStringList{"", ""}));

    const QString page = CurveReport::html(CurveReport::templateText(), entries);
    QVERIFY(page.contains(QStringLiteral("<th class=\"sub\">EXP</th><th class=\"sub\">PF</th>")));
}

void CurveReportTest::datesCarryFourDigitYears()
{
    CurveData curve;
    CurveReadings readings;
    readings.testDate = QStringLiteral("2026-07-03T09:00:00");
    curve.setReadings(readings);
    const CurveReport::Entry entry{QStringLiteral("String 1"), &curve, {}};
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(textsOf(cellsOf(CurveReport::measurementRow(entry))).at(1), QStringLiteral("03.07.2026 09:00:00"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(textsOf(cellsOf(CurveReport::measurementRow(entry))).at(1), QStringLiteral("7/3/2026 09:00:00"));
}

void CurveReportTest::thresholdSettingReadsOnlyPercentages_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("threshold");
    QTest::newRow("not set") << QVariant() << 5.0;
    QTest::newRow("set") << QVariant(7.5) << 7.5;
    QTest::newRow("none at all") << QVariant(0.0) << 0.0;
    QTest::newRow("at the top") << QVariant(100.0) << 100.0;
    QTest::newRow("past the top") << QVariant(100.1) << 5.0;
    QTest::newRow("negative") << QVariant(-0.1) << 5.0;
    QTest::newRow("text") << QVariant(QStringLiteral("much")) << 5.0;
}

void CurveReportTest::thresholdSettingReadsOnlyPercentages()
{
    QFETCH(QVariant, stored);
    QFETCH(double, threshold);
    QSettings settings;
    if (stored.isValid())
        settings.setValue(SettingsKeys::curveReportDeviationThreshold, stored);
    else
        settings.remove(SettingsKeys::curveReportDeviationThreshold);
    QCOMPARE(CurveReport::deviationThreshold(), threshold);
    settings.remove(SettingsKeys::curveReportDeviationThreshold);
}

void CurveReportTest::everyPageRepeatsTheHeadingsAndIsNumbered()
{
    QVector<CurveData> curves(45, stringAtStc(9.5));
    QVector<CurveReport::Entry> entries;
    for (int i = 0; i < curves.size(); ++i)
        entries.append({QStringLiteral("String %1").arg(i + 1), &curves[i], {QStringLiteral("roof.csv")}});
    const QString html = CurveReport::html(CurveReport::templateText(), entries);

    QTextDocument document;
    document.setHtml(html);
    QVector<int> headerRows;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            headerRows << table->format().headerRowCount();
    }
    QVERIFY(headerRows.contains(1));
    QVERIFY(headerRows.contains(2));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QVERIFY(CurveReportPrinter::printToPdf(html, path));
    const QStringList pages = pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    for (int page = 0; page < pages.size(); ++page) {
        const QString text = pages.at(page);
        QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size())), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("PV Array - IV Curve Report")));
        QVERIFY2(text.contains(QStringLiteral("String")) && (text.contains(QStringLiteral("Irr (W/m²)"))
                                                              || text.contains(QStringLiteral("Pmpp"))),
                 qPrintable(text));
    }
}

VELTRANO_TEST(CurveReportTest)
#include "CurveReportTest.moc"
