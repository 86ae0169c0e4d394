#include "AssignedModule.h"
#include "CoefficientFitDialog.h"
#include "CurveData.h"
#include "CurveDetailsDialog.h"
#include "CurveDocument.h"
#include "CurveGraph.h"
#include "CurveGraphModel.h"
#include "CurveKeyValues.h"
#include "CurvePointsExport.h"
#include "CurveReport.h"
#include "CurveReportPrinter.h"
#include "CurveDatabase.h"
#include "CurveTable.h"
#include "DiagnosisSettings.h"
#include "CurveTree.h"
#include "CurveTreeModel.h"
#include "CurveCollection.h"
#include "ExportFileChooser.h"
#include "Globals.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "SingleDiodeCurve.h"
#include "StcApproximation.h"
#include "TestMain.h"
#include "TreeItem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QPrinter>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace IVCurve;

namespace {
CurveData straightCurve()
{
    CurveData curve;
    curve.addPoint(10.0, 8.0, 0.0);
    curve.addPoint(200.0, 7.5, 0.0);
    curve.addPoint(300.0, 4.0, 0.0);
    curve.addPoint(390.0, 0.5, 0.0);
    return curve;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The contents of a report row's cells, in order.
QStringList cellsOf(const QString& row)
{
    static const QRegularExpression cell(QStringLiteral("<td style=\"[^\"]*\">\n(.*?)\n< / td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList contents;
    for (QRegularExpressionMatchIterator it = cell.globalMatch(row); it.hasNext();)
        contents << it.next().captured(1);
    return contents;
}

TreeItem* firstCurveItem(const CurveDocument& document)
{
    return document.treeModel()->itemFor(document.treeModel()->index(0, 0, document.treeModel()->index(0, 0)));
}

int countIn(const QString& path, const QString& table)
{
    QSqlQuery query(QSqlDatabase::database(path, false));
    return query.exec(QStringLiteral("SELECT count(*) FROM ") + table) && query.next() ? query.value(0).toInt() : -1;
}
} // namespace

class CurveDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void extendedStcCurveMeetsBothAxes();
    void reportRowsOfAStringWithoutModule();
    void reportRowOfTenModulesInSeriesTwoInParallel();
    void pointsExportFollowsADecimalCommaLocale();
    void expectedPointsExportNeedsAnExpectation();
    void exportNamesWithoutExtensionGetOne();
    void importedCurvesShowWhenSelected();
    void previewShowsTheReportOfTheSelectedStrings();
    void secondImportShowsItsOwnCurves();
    void togglesGovernTheSelectedCurves();
    void detailsOkAsksOnceUnlessTheNoticeIsOff();
    void detailsRefuseCoefficientsThatAreNoNumbers();
    void detailsOfferProcedures2And4WithTheirCoefficients();
    void determineCoefficientsWantsCurvesOfOneString();
    void determinedCoefficientsAreStoredWithTheCurves();
    void closingAModifiedDocumentAsks();
    void plotExportIntoAMissingFolderSaysSo();
    void readOnlyFileRefusesEveryChange();
    void documentOpenedReadOnlyWritesNothing();
    void fileGoneSinceOpeningIsSaidAndNothingSaved_data();
    void fileGoneSinceOpeningIsSaidAndNothingSaved();
    void importWhoseTreeCannotBeWrittenLeavesNoCurves();
    void shadedStringIsDiagnosedInTreeAndReport();
    void changedLimitsDiagnoseShownStringsAgain();
    void siblingsAreReadAgainWhenTheTreeChanges();

private:
    std::unique_ptr<CurveDocument> openImported();
    QString copyTemplate();
    // A file with one folder "Roof" holding "String 4", measured at 800 W/m² with a third of its
    // sub-strings shaded: a step in its curve.
    QString shadedStringFile();
    // The strings filed in the folder "Roof" in order as "String 4", "String 5", ..., each of
    // module `moduleId` (0 for none), ten in series and two in parallel.
    QString stringsFile(QVector<CurveData> curves, unsigned moduleId);

    std::unique_ptr<QTemporaryDir> folder;
};

void CurveDocumentTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    Globals::setReportsFolder(QStringLiteral("reports_en"));
}

void CurveDocumentTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QSettings().setValue(SettingsKeys::hideAutomaticSaveWarning, false);
}

QString CurveDocumentTest::copyTemplate()
{
    const QString path = folder->filePath(QStringLiteral("Curve Data.arvcrv"));
    QFile::copy(QStringLiteral(":res/reports_en/default.arvcrv"), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QString CurveDocumentTest::shadedStringFile()
{
    SingleDiodeCurve string(10, 2);
    string.shadedSubStrings = 10;
    string.shadedLight = 0.4;
    return stringsFile({string.measure(800.0, 45.0)}, 0);
}

QString CurveDocumentTest::stringsFile(QVector<CurveData> curves, unsigned moduleId)
{
    const QString path = copyTemplate();
    CurveDatabase database(path);
    QSqlQuery query(database.database());
    query.exec(QStringLiteral("INSERT INTO TreeNodes (NodeID, ParentNodeID, NodeDesc, CurveID, ParentRow, Status) "
                              "VALUES (1, NULL, 'Roof', NULL, 0, 0);"));
    for (int i = 0; i < curves.size(); ++i) {
        CurveTable(database).insert(curves[i]);
        query.exec(QStringLiteral("UPDATE Curves SET ModuleID = %1, ModuleSeries = 10, ModuleParallel = 2 "
                                  "WHERE CurveID = %2;")
                       .arg(moduleId)
                       .arg(curves.at(i).curveId));
        query.exec(QStringLiteral("INSERT INTO TreeNodes (NodeID, ParentNodeID, NodeDesc, CurveID, ParentRow, Status) "
                                  "VALUES (%1, 1, 'String %2', %3, %4, 0);")
                       .arg(i + 2)
                       .arg(i + 4)
                       .arg(curves.at(i).curveId)
                       .arg(i));
    }
    return path;
}

std::unique_ptr<CurveDocument> CurveDocumentTest::openImported()
{
    auto document = std::make_unique<CurveDocument>(copyTemplate());
    ScriptedPrompts prompts;
    document->importFile(QStringLiteral(TEST_DATA_DIR "/results-point.csv"));
    return document;
}

void CurveDocumentTest::extendedStcCurveMeetsBothAxes()
{
    CurveData curve = straightCurve();
    const CurveData& converted = curve.stcCurve(true);
    QCOMPARE(converted.points().first().x(), 0.0);
    QCOMPARE(converted.points().last().y(), 0.0);
    const CurveKeyValues values = CurveKeyValues::ofCurve(converted);
    QCOMPARE(values.isc, converted.points().first().y());
    QCOMPARE(values.voc, converted.points().last().x());
    const CurveKeyValues measured = CurveKeyValues::ofCurve(curve);
    QCOMPARE(measured.pmpp, 1500.0);
    QCOMPARE(measured.vmpp, 200.0);
    QCOMPARE(measured.isc, 8.0);
    QCOMPARE(measured.voc, 390.0);
}

void CurveDocumentTest::reportRowsOfAStringWithoutModule()
{
    QLocale::setDefault(QLocale::c());
    CurveData curve = straightCurve();
    CurveReadings readings;
    readings.testDate = QStringLiteral("2015-03-07T09:05:00");
    readings.irradiance = QStringLiteral("812.6");
    readings.cellTemp = QStringLiteral("41.25");
    readings.ff = QStringLiteral("not read");
    curve.setReadings(readings);
    const CurveReport::Entry entry{QStringLiteral("String <7>"), &curve, {}};

    const QString measurement = CurveReport::measurementRow(entry);
    QVERIFY(measurement.startsWith(QStringLiteral("<tr>\n  <td style=")));
    QVERIFY(measurement.contains(QStringLiteral("String &lt;7&gt;")));
    QVERIFY(measurement.contains(QStringLiteral("\n813\n< / td>")));
    QVERIFY(measurement.contains(QStringLiteral("\n41.3\n< / td>")));
    QVERIFY(measurement.contains(QStringLiteral("\n\n< / td>")));

    const QString keyValues = CurveReport::keyValueRow(entry);
    // At 812.6 W/m² the conversion lifts the last point by 1.8 A: Voc lies far beyond it.
    QVERIFY(keyValues.contains(
        QStringLiteral("String &lt;7&gt;<br><i>approximate: no module assigned; Voc extrapolated by ")));
    QCOMPARE(keyValues.count(QStringLiteral("<td ")), 19);
    QVERIFY(keyValues.contains(QStringLiteral("\t<td style=")));
    QVERIFY(keyValues.contains(QStringLiteral("\n1500\n")));
    QCOMPARE(keyValues.count(QStringLiteral("\n0.00\n")), 2);
    QCOMPARE(keyValues.count(QStringLiteral("\n0.0\n")), 2);
    QVERIFY(keyValues.contains(QStringLiteral("<!--#DIFF_PWR#-->")));

    const QString page = CurveReport::html(CurveReport::templateText(), {entry, entry});
    QVERIFY(page.contains(QStringLiteral("PV Array - IV Curve Report")));
    QVERIFY(!page.contains(CurveReport::table1Marker));
    QVERIFY(!page.contains(CurveReport::table2Marker));
    // Two strings and their total, none of them with a nominal power to compare with.
    QCOMPARE(page.count(QStringLiteral("<!--#DIFF_PWR#-->")), 3);
    QVERIFY(CurveReportPrinter::printToPdf(page, folder->filePath(QStringLiteral("report.pdf"))));
    QVERIFY(QFileInfo(folder->filePath(QStringLiteral("report.pdf"))).size() > 1000);

    // 10 mm of paper stay free on every side (to the whole point the layout rounds them to).
    QPrinter printer(QPrinter::HighResolution);
    CurveReportPrinter::setUpPrinter(printer, folder->filePath(QStringLiteral("margins.pdf")));
    const QRectF area = CurveReportPrinter::pageArea(printer);
    const double tenMillimetres = 10 / 25.4 * printer.resolution();
    const double onePoint = printer.resolution() / 72.0;
    QVERIFY(qAbs(area.left() - tenMillimetres) < onePoint);
    QVERIFY(qAbs(area.top() - tenMillimetres) < onePoint);
    QVERIFY(qAbs(printer.pageLayout().fullRectPixels(printer.resolution()).width() - area.right() - tenMillimetres) < onePoint);

    readings.irradiance = QStringLiteral("420");
    curve.setReadings(readings);
    // Lifted by 11 A, the end of the curve points nowhere near the axis.
    QVERIFY(CurveReport::keyValueRow(entry).contains(QStringLiteral(
        "<i>approximate: measured at 420 W/m²; no module assigned; Voc not reached by the measurement</i>")));

    // A fill factor keeps its hundredths.
    readings.ff = QStringLiteral("0.781");
    curve.setReadings(readings);
    QVERIFY(CurveReport::measurementRow(entry).contains(QStringLiteral("\n0.78\n< / td>")));
}

// Data-sheet values of one module: Voc 32.9 V, Isc 8.21 A, Vmpp 26.3 V, Impp 7.61 A. Ten in series
// give 329 V and 263 V; two such strings in parallel give 16.42 A and 15.22 A, so the string's
// nominal power is 263 V x 15.22 A = 4002.86 W.
void CurveDocumentTest::reportRowOfTenModulesInSeriesTwoInParallel()
{
    QLocale::setDefault(QLocale::c());
    CurveData curve;
    AssignedModule module;
    module.moduleId = 7;
    module.series = 10;
    module.parallel = 2;
    module.setDataSheet(32.9, 8.21, 26.3, 7.61);
    curve.setModule(module);
    // Measured at STC, so the converted curve is the measured one; it meets both axes already.
    CurveReadings readings;
    readings.irradiance = QStringLiteral("1000");
    readings.cellTemp = QStringLiteral("25");
    curve.setReadings(readings);
    curve.addPoint(0.0, 16.0, 1000.0);
    curve.addPoint(200.0, 15.0, 1000.0);
    curve.addPoint(250.0, 14.0, 1000.0);
    curve.addPoint(300.0, 8.0, 1000.0);
    curve.addPoint(330.0, 0.0, 1000.0);
    const CurveReport::Entry entry{QStringLiteral("String 3"), &curve, {}};

    const QStringList cells = cellsOf(CurveReport::keyValueRow(entry));
    QCOMPARE(cells.size(), 19);
    QVERIFY(cells.first().startsWith(QStringLiteral("String 3")));
    // Power: measured, STC, nominal and 100 x (4002.86 - 3500) / 4002.86 = 12.56 % below nominal.
    QCOMPARE(cells.mid(1, 4), (QStringList{"3500", "3500", "4003", "12.6"}));
    QCOMPARE(cells.mid(7, 3), (QStringList{"330.0", "330.0", "329.0"}));
    QCOMPARE(cells.mid(10, 3), (QStringList{"250.0", "250.0", "263.0"}));
    QCOMPARE(cells.mid(13, 3), (QStringList{"16.00", "16.00", "16.42"}));
    QCOMPARE(cells.mid(16, 3), (QStringList{"14.00", "14.00", "15.22"}));
}

void CurveDocumentTest::pointsExportFollowsADecimalCommaLocale()
{
    QLocale::setDefault(QLocale(QLocale::German));
    CurveData curve = straightCurve();
    CurveReadings readings;
    readings.ff = QStringLiteral("0,77");
    readings.cellTemp = QStringLiteral("41,2");
    readings.ambientTemp = QStringLiteral("22");
    readings.irradiance = QStringLiteral("800");
    curve.setReadings(readings);
    const QStringList lines =
        CurvePointsExport(CurveLineKind::MeasuredPower, QStringLiteral("String 1"), curve).text().split('\n');
    QLocale::setDefault(QLocale::c());
    QCOMPARE(lines.at(0), QStringLiteral("String 1PWR MEAS "));
    QCOMPARE(lines.at(1), QString());
    QCOMPARE(lines.at(2), QStringLiteral("Fill Factor;Cell Temp;Ambient Temp;Irradiance"));
    QCOMPARE(lines.at(3), QStringLiteral("0,77;41,2;22;800"));
    QCOMPARE(lines.at(5), QStringLiteral("V;P"));
    QCOMPARE(lines.at(6), QStringLiteral("10;80"));
    QCOMPARE(lines.at(8), QStringLiteral("300;1200"));
    QCOMPARE(lines.at(9), QStringLiteral("390;195"));
}

// A module of 120 V and 11 A at STC: the expected curve is its nominal curve, from axis to axis.
void CurveDocumentTest::expectedPointsExportNeedsAnExpectation()
{
    CurveData curve = straightCurve();
    ScriptedPrompts prompts;
    QVERIFY(!CurvePointsExport(CurveLineKind::ExpectedIV, QStringLiteral("String 1"), curve).run(nullptr));
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().kind, ShownPrompt::Message);
    QVERIFY(prompts.last().message.text.startsWith(QStringLiteral("String 1 has no expected curve")));

    AssignedModule module;
    module.moduleId = 3;
    module.setDataSheet(120.0, 11.0, 100.0, 10.0);
    curve.setModule(module);
    CurveReadings readings;
    readings.irradiance = QStringLiteral("1000");
    readings.cellTemp = QStringLiteral("25");
    curve.setReadings(readings);
    const QStringList lines =
        CurvePointsExport(CurveLineKind::ExpectedIV, QStringLiteral("String 1"), curve).text().split('\n');
    QCOMPARE(lines.at(0), QStringLiteral("String 1EXP "));
    QCOMPARE(lines.at(5), QStringLiteral("V,I"));
    QCOMPARE(lines.at(6), QStringLiteral("0,11"));
    // The last line is empty: the file ends with a line feed.
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("120,0"));
    QCOMPARE(CurvePointsExport(CurveLineKind::ExpectedPower, QString(), curve).kindWords(), QStringLiteral("PWR EXP "));
}

void CurveDocumentTest::exportNamesWithoutExtensionGetOne()
{
    QCOMPARE(ExportFileChooser::withSuffix(QStringLiteral("/tmp/a/plot"), QStringLiteral("png")),
             QStringLiteral("/tmp/a/plot.png"));
    QCOMPARE(ExportFileChooser::withSuffix(QStringLiteral("/tmp/a.b/plot.jpeg"), QStringLiteral("png")),
             QStringLiteral("/tmp/a.b/plot.jpeg"));
    ScriptedPrompts prompts;
    QSettings().setValue(SettingsKeys::rootDir, folder->path());
    prompts.answer(folder->filePath(QStringLiteral("sub/points")));
    const QString chosen = ExportFileChooser(SettingsKeys::lastExportDir, QStringLiteral("csv"))
                               .choose(nullptr, QStringLiteral("Save CSV file"), QString(), QStringLiteral("x.csv"));
    QCOMPARE(chosen, folder->filePath(QStringLiteral("sub/points.csv")));
    QCOMPARE(prompts.last().files.directory, folder->filePath(QStringLiteral("x.csv")));
    QCOMPARE(QSettings().value(SettingsKeys::lastExportDir).toString(), folder->filePath(QStringLiteral("sub")));
}

void CurveDocumentTest::previewShowsTheReportOfTheSelectedStrings()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    ScriptedPrompts prompts;
    QVERIFY(document->canPrint());
    // Nothing selected: the user is told what to do, and nothing is shown.
    document->printPreview();
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().kind, ShownPrompt::Message);

    const QModelIndex fileNode = document->treeModel()->index(0, 0);
    document->tree()->selectionModel()->select(
        QItemSelection(document->treeModel()->index(0, 0, fileNode), document->treeModel()->index(1, 0, fileNode)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    document->printPreview();
    QCOMPARE(prompts.shown().size(), 2);
    QCOMPARE(prompts.last().kind, ShownPrompt::PrintPreview);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {prompts.last().url, QStringLiteral("-")});
    pdftotext.waitForFinished();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("IV Curve Report")), qPrintable(text));
    for (TreeItem* item : document->selectedCurveItems())
        QVERIFY2(text.contains(item->value(TreeItem::Description).toString()), qPrintable(text));
}

void CurveDocumentTest::shadedStringIsDiagnosedInTreeAndReport()
{
    auto document = std::make_unique<CurveDocument>(shadedStringFile());
    const QModelIndex stringNode = document->treeModel()->index(0, 0, document->treeModel()->index(0, 0));
    // Diagnosed when its curve is first loaded, not before.
    QVERIFY(!document->treeModel()->data(stringNode, Qt::ToolTipRole).toString().contains(QStringLiteral("step")));
    document->tree()->selectionModel()->select(stringNode, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString tip = document->treeModel()->data(stringNode, Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(QStringLiteral("step in the curve from")), qPrintable(tip));
    QVERIFY(!tip.contains(QStringLiteral("uncertain")));
    QVERIFY(!document->treeModel()->data(stringNode, Qt::DecorationRole).isNull());

    ScriptedPrompts prompts;
    document->printPreview();
    QCOMPARE(prompts.last().kind, ShownPrompt::PrintPreview);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), prompts.last().url, QStringLiteral("-")});
    pdftotext.waitForFinished();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    QVERIFY2(text.contains(QStringLiteral("Findings")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("step at")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Findings: steps: 1 string")), qPrintable(text));
}

// Measured at 800 W/m²: with the irradiance limit raised to 900 W/m² the step is only a question.
void CurveDocumentTest::changedLimitsDiagnoseShownStringsAgain()
{
    auto document = std::make_unique<CurveDocument>(shadedStringFile());
    const QModelIndex stringNode = document->treeModel()->index(0, 0, document->treeModel()->index(0, 0));
    document->tree()->selectionModel()->select(stringNode, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    DiagnosisThresholds limits;
    limits.lowIrradiance = 900.0;
    DiagnosisSettings::instance().store(limits);
    const QString tip = document->treeModel()->data(stringNode, Qt::ToolTipRole).toString();
    DiagnosisSettings::instance().store(DiagnosisThresholds());
    QVERIFY2(tip.contains(QStringLiteral("(uncertain: low or uneven irradiance)")), qPrintable(tip));
    QVERIFY2(!document->treeModel()->data(stringNode, Qt::ToolTipRole).toString().contains(QStringLiteral("uncertain")),
             "the default limits make it sure again");
}

// A string at 90 % of the current of its three like siblings stands out among them; once they are
// deleted it has none left to stand out from.
void CurveDocumentTest::siblingsAreReadAgainWhenTheTreeChanges()
{
    const SingleDiodeCurve healthy(10, 2);
    CurveData weak;
    const CurveData full = healthy.measure(1000.0, 25.0);
    weak.setReadings(full.readings());
    for (const QPointF& point : full.points())
        weak.addPoint(point.x(), 0.9 * point.y(), 0.0);
    auto document = std::make_unique<CurveDocument>(stringsFile({weak, full, full, full}, 2));
    const QModelIndex folder = document->treeModel()->index(0, 0);
    TreeItem* weakItem = document->treeModel()->itemFor(document->treeModel()->index(0, 0, folder));
    QCOMPARE(weakItem->value(TreeItem::Description).toString(), QStringLiteral("String 4"));
    const auto outlier = [&document, weakItem] {
        for (const DiagnosisFinding& finding : document->graphModel()->diagnose(weakItem)) {
            if (finding.kind == DiagnosisFinding::Kind::Outlier)
                return true;
        }
        return false;
    };
    QVERIFY(outlier());
    document->treeModel()->removeRows(1, 3, folder);
    QVERIFY(!outlier());
}

void CurveDocumentTest::importedCurvesShowWhenSelected()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    QVERIFY(document->isValid());
    QVERIFY(!document->isModified());
    const QModelIndex fileNode = document->treeModel()->index(0, 0);
    QVERIFY(document->treeModel()->rowCount(fileNode) > 2);
    document->tree()->selectionModel()->select(
        QItemSelection(document->treeModel()->index(0, 0, fileNode), document->treeModel()->index(1, 0, fileNode)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(document->selectedCurveItems().size(), 2);
    QCOMPARE(document->graph()->lineCount(CurveLineKind::StcIV), 2);
    for (TreeItem* item : document->selectedCurveItems())
        QVERIFY(item->colour().isValid());
    // The colour of first showing is no change of the user's: closing must not ask to save.
    QVERIFY(!document->isModified());
    QCOMPARE(document->graph()->footer().text(), QStringLiteral("no module assigned: STC values approximate"));
    document->tree()->selectionModel()->clearSelection();
    QCOMPARE(document->graph()->visibleLineCount(), 0);
    QCOMPARE(document->graph()->footer().text(), QString());

    ScriptedPrompts prompts;
    prompts.answer(QColor(0x12, 0x34, 0x56));
    document->tree()->setCurrentIndex(document->treeModel()->index(0, 0, fileNode));
    document->findChild<QAction*>(QStringLiteral("actionSetColour"))->trigger();
    QCOMPARE(document->treeModel()->itemFor(document->treeModel()->index(0, 0, fileNode))->colour(),
             QColor(0x12, 0x34, 0x56));
    QVERIFY(document->isModified());
}

// The new file goes on top, opened, with curves of its own beside those of the first.
void CurveDocumentTest::secondImportShowsItsOwnCurves()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    document->tree()->collapseAll();
    ScriptedPrompts prompts;
    QVERIFY(document->importFile(QStringLiteral(TEST_DATA_DIR "/results-point.csv")));
    CurveTreeModel& model = *document->treeModel();
    const QModelIndex second = model.index(0, 0);
    const QModelIndex first = model.index(1, 0);
    QVERIFY(document->tree()->isExpanded(second));
    QVERIFY(!document->tree()->isExpanded(first));
    QCOMPARE(model.rowCount(second), model.rowCount(first));
    for (int row = 0; row < model.rowCount(first); ++row) {
        const uint older = CurveGraphModel::curveIdOf(model.itemFor(model.index(row, 0, first)));
        const uint newer = CurveGraphModel::curveIdOf(model.itemFor(model.index(row, 0, second)));
        QVERIFY(older != 0 && newer > older);
    }
}

void CurveDocumentTest::togglesGovernTheSelectedCurves()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    const QModelIndex fileNode = document->treeModel()->index(0, 0);
    document->tree()->selectionModel()->select(
        QItemSelection(document->treeModel()->index(0, 0, fileNode), document->treeModel()->index(1, 0, fileNode)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto* meas = document->findChild<QAction*>(QStringLiteral("actionShowMEAS"));
    auto* iv = document->findChild<QAction*>(QStringLiteral("actionShowIV"));
    QVERIFY(iv->isChecked());
    meas->trigger();
    QCOMPARE(document->graph()->lineCount(CurveLineKind::MeasuredIV), 2);
    iv->trigger();
    QCOMPARE(document->graph()->visibleLineCount(), 0);
    // Deleting a shown string takes its lines.
    iv->trigger();
    QCOMPARE(document->graph()->visibleLineCount(), 4);
    document->tree()->selectionModel()->select(document->treeModel()->index(0, 0, fileNode),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    document->findChild<QAction*>(QStringLiteral("actionDeleteTreeRow"))->trigger();
    QVERIFY(document->isModified());
    QCOMPARE(document->graph()->shownStrings().size(), 0);
}

void CurveDocumentTest::detailsOkAsksOnceUnlessTheNoticeIsOff()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    TreeItem* item = firstCurveItem(*document);
    CurveData* curve = document->graphModel()->curveOf(item);
    QVERIFY(curve);
    ScriptedPrompts prompts;
    {
        CurveDetailsDialog dialog(*curve, document->graphModel()->collection(), *document->treeModel(), item);
        // Imported curves convert by the standard's method, and the dialog says why that matters.
        QVERIFY(dialog.methodButton(1)->isChecked());
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("standardNote"))->text().startsWith(
            QStringLiteral("IEC 60891 procedure 1 is the standard's method")));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("approximationNote"))->text(),
                 StcApproximation::note(StcApproximation::reasons(*curve)));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("approximationNote"))->text().contains(
            QStringLiteral("no module assigned")));
        QCOMPARE(dialog.isCoefficientShown(CurveDetailsDialog::Delta), false);
        QCOMPARE(dialog.isCoefficientShown(CurveDetailsDialog::Kappa), true);
        prompts.answerMessage(QMessageBox::Cancel);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.last().message.text,
                 QStringLiteral("Changes to the PV string data are automatically saved when OK is pressed.\n"));
        QCOMPARE(prompts.last().message.checkBoxText, QStringLiteral("Do not show this message again"));

        dialog.methodButton(0)->setChecked(true);
        QVERIFY(dialog.isCoefficientShown(CurveDetailsDialog::A));
        QVERIFY(!dialog.isCoefficientShown(CurveDetailsDialog::Delta));
        dialog.coefficientField(CurveDetailsDialog::A)->setText(QStringLiteral("0.0712345678"));
        QLineEdit* irradiance = dialog.readingField(QStringLiteral("irradiance"));
        irradiance->setText(QStringLiteral("905"));
        irradiance->setModified(true);
        prompts.answerMessage(QMessageBox::Ok, true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QVERIFY(QSettings().value(SettingsKeys::hideAutomaticSaveWarning).toBool());
    QCOMPARE(curve->parameters().algorithm, 0);
    QCOMPARE(curve->parameters().a, QStringLiteral("0.0712346"));
    QCOMPARE(item->value(TreeItem::Irradiance).toString(), QStringLiteral("905"));

    const int shown = prompts.shown().size();
    CurveDetailsDialog again(*curve, document->graphModel()->collection(), *document->treeModel(), item);
    again.accept();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(prompts.shown().size(), shown);
}

// Text that is no number would be stored as text and read back as 0: OK names the field, shows
// how a number is written here, and keeps the dialog and the curve as they were.
void CurveDocumentTest::detailsRefuseCoefficientsThatAreNoNumbers()
{
    QSettings().setValue(SettingsKeys::hideAutomaticSaveWarning, true);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::unique_ptr<CurveDocument> document = openImported();
    TreeItem* item = firstCurveItem(*document);
    CurveData* curve = document->graphModel()->curveOf(item);
    QVERIFY(curve);
    const STCparameters before = curve->parameters();
    ScriptedPrompts prompts;
    CurveDetailsDialog dialog(*curve, document->graphModel()->collection(), *document->treeModel(), item);
    dialog.coefficientField(CurveDetailsDialog::Kappa)->setText(QStringLiteral("0,0o2"));
    dialog.accept();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.messageTexts(),
             QStringList(QStringLiteral("The value of κ is not a number: \"0,0o2\"\n"
                                        "Your language setting writes decimals with a comma, for example 12,5.")));
    QCOMPARE(curve->parameters().kappa, before.kappa);
    QSqlQuery stored(QSqlDatabase::database(document->filePath(), false));
    QVERIFY(stored.exec(QStringLiteral("SELECT typeof(STC_K) FROM Curves WHERE CurveID = %1").arg(curve->curveId)));
    QVERIFY(stored.next());
    QVERIFY(stored.value(0).toString() != QStringLiteral("text"));
}

void CurveDocumentTest::detailsOfferProcedures2And4WithTheirCoefficients()
{
    QSettings().setValue(SettingsKeys::hideAutomaticSaveWarning, true);
    const std::unique_ptr<CurveDocument> document = openImported();
    TreeItem* item = firstCurveItem(*document);
    CurveData* curve = document->graphModel()->curveOf(item);
    QVERIFY(curve);
    ScriptedPrompts prompts;
    CurveDetailsDialog dialog(*curve, document->graphModel()->collection(), *document->treeModel(), item);
    using D = CurveDetailsDialog;
    dialog.methodButton(int(Method::IEC60891Procedure2))->setChecked(true);
    for (D::Coefficient shown : {D::Rs, D::Alpha, D::Beta, D::A, D::Kappa})
        QVERIFY(dialog.isCoefficientShown(shown));
    for (D::Coefficient hidden : {D::Delta, D::B, D::CellsInSeries, D::Bandgap})
        QVERIFY(!dialog.isCoefficientShown(hidden));
    QVERIFY(dialog.methodButton(int(Method::IEC60891Procedure2))->toolTip().startsWith("Procedure 2 takes α and β"));

    dialog.methodButton(int(Method::IEC60891Procedure4))->setChecked(true);
    for (D::Coefficient shown : {D::Rs, D::Alpha, D::CellsInSeries, D::Bandgap})
        QVERIFY(dialog.isCoefficientShown(shown));
    for (D::Coefficient hidden : {D::Beta, D::Delta, D::A, D::B, D::Kappa})
        QVERIFY(!dialog.isCoefficientShown(hidden));
    // Without a module N comes from the string's Voc of 349.4 V over 0.62 V a cell: 563.5, so 564.
    QCOMPARE(dialog.coefficientField(D::CellsInSeries)->text(), QString());
    QCOMPARE(dialog.coefficientField(D::CellsInSeries)->placeholderText(), QStringLiteral("564"));
    QCOMPARE(dialog.coefficientField(D::Bandgap)->text(), QStringLiteral("1.232"));
    // A hidden coefficient that does not read is not refused and keeps what the curve had.
    dialog.coefficientField(D::Delta)->setText(QStringLiteral("none"));
    dialog.coefficientField(D::CellsInSeries)->setText(QStringLiteral("60.5"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.messageTexts().last(),
             QStringLiteral("The value of N must be a whole number from 1 to 1000, or empty: \"60.5\""));
    dialog.coefficientField(D::CellsInSeries)->setText(QStringLiteral("60"));
    dialog.coefficientField(D::Bandgap)->setText(QStringLiteral("1.12"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(curve->parameters().algorithm, int(Method::IEC60891Procedure4));
    QCOMPARE(curve->parameters().cellsInSeries, QStringLiteral("60"));
    QCOMPARE(curve->parameters().bandgap, QStringLiteral("1.12"));
    QCOMPARE(curve->parameters().delta, QStringLiteral("0.085"));

    CurveDetailsDialog again(*curve, document->graphModel()->collection(), *document->treeModel(), item);
    QVERIFY(again.methodButton(int(Method::IEC60891Procedure4))->isChecked());
    QCOMPARE(again.coefficientField(D::CellsInSeries)->text(), QStringLiteral("60"));
}

namespace {
void selectFirstCurves(CurveDocument& document, int count)
{
    const QModelIndex fileNode = document.treeModel()->index(0, 0);
    document.tree()->selectionModel()->clearSelection();
    document.tree()->selectionModel()->select(
        QItemSelection(document.treeModel()->index(0, 0, fileNode), document.treeModel()->index(count - 1, 0, fileNode)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}
} // namespace

void CurveDocumentTest::determineCoefficientsWantsCurvesOfOneString()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    auto* command = document->findChild<QAction*>(QStringLiteral("actionDetermineCoefficients"));
    QVERIFY(command);
    QVERIFY(!command->isEnabled());
    selectFirstCurves(*document, 1);
    QVERIFY(!command->isEnabled());
    selectFirstCurves(*document, 2);
    QVERIFY(command->isEnabled());

    CurveCollection& collection = document->graphModel()->collection();
    CurveData longer = *document->graphModel()->curveOf(document->selectedCurveItems().last());
    AssignedModule layout = longer.module();
    layout.series = 2;
    longer.setModule(layout);
    QVERIFY(collection.updateDetails(longer));
    ScriptedPrompts prompts;
    command->trigger();
    QCOMPARE(prompts.messageTexts(),
             QStringList(QStringLiteral("The selected curves belong to different strings: their modules or their "
                                        "numbers of modules in series or in parallel differ. Select curves of one "
                                        "string only.")));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
}

// Rs found, κ not: the result says which and why; storing gives every selected curve the values.
void CurveDocumentTest::determinedCoefficientsAreStoredWithTheCurves()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    selectFirstCurves(*document, 2);
    QVector<CurveData*> curves;
    for (TreeItem* item : document->selectedCurveItems())
        curves.append(document->graphModel()->curveOf(item));
    CorrectionCoefficientFit::Result result;
    result.rsFound = true;
    result.Rs = 0.812;
    result.kappa = 0.00125;
    result.residual = 0.1234;
    ScriptedPrompts prompts;
    CoefficientFitDialog dialog(result, curves, document->graphModel()->collection());
    QCOMPARE(dialog.resultText(),
             QStringLiteral("Rs: 0.812 Ω (of one module)\n"
                            "κ not found: the cell temperatures lie less than 10 °C apart, or changed together with "
                            "the irradiance; measure the string at temperatures further apart. Kept: 0.00125 Ω/°C\n"
                            "Residual: 0.123 V (how far the curves brought to STC still lie apart)"));
    QVERIFY(!dialog.moduleButton()->isEnabled());
    dialog.curvesButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.curvesChanged());
    for (const CurveData* curve : curves) {
        QCOMPARE(curve->parameters().Rs, QStringLiteral("0.812"));
        QCOMPARE(curve->parameters().kappa, QStringLiteral("0.00125"));
    }
    QSqlQuery stored(QSqlDatabase::database(document->filePath(), false));
    QVERIFY(stored.exec(QStringLiteral("SELECT count(*) FROM Curves WHERE STC_Rs = 0.812")));
    QVERIFY(stored.next());
    QCOMPARE(stored.value(0).toInt(), 2);
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(CoefficientFitDialog::failureText(CorrectionCoefficientFit::Failure::TooLittleSpread),
             QStringLiteral("The selected curves were measured under too similar conditions. Measure the string at "
                            "irradiances at least 100 W/m² apart, or at cell temperatures at least 10 °C apart."));
}

void CurveDocumentTest::closingAModifiedDocumentAsks()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    QVERIFY(document->okToClose());
    document->findChild<QAction*>(QStringLiteral("actionInsertTreeRow"))->trigger();
    QVERIFY(document->isModified());
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::Cancel);
    QVERIFY(!document->okToClose());
    QCOMPARE(prompts.last().message.text, QStringLiteral("Save changes to Curve Data.arvcrv?"));
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(document->okToClose());
    QVERIFY(!document->isModified());
}

void CurveDocumentTest::plotExportIntoAMissingFolderSaysSo()
{
    const std::unique_ptr<CurveDocument> document = openImported();
    ScriptedPrompts prompts;
    prompts.answer(folder->filePath(QStringLiteral("missing/plot.png")));
    document->graph()->exportimg();
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
    QCOMPARE(prompts.last().message.text, QStringLiteral("There was a problem trying to save the image plot.png"));
    prompts.answer(folder->filePath(QStringLiteral("plot")));
    document->graph()->exportpdf();
    QVERIFY(QFileInfo(folder->filePath(QStringLiteral("plot.pdf"))).size() > 1000);
    // The tool bar reaches the plot through a member pointer of the graph.
    prompts.answer(folder->filePath(QStringLiteral("toolbar.png")));
    document->findChild<QAction*>(QStringLiteral("actionExportToImage"))->trigger();
    QVERIFY(QImage(folder->filePath(QStringLiteral("toolbar.png"))).width() > 100);
}

// The user's mark holds although the tests, like an administrator, could write the file.
void CurveDocumentTest::readOnlyFileRefusesEveryChange()
{
    std::unique_ptr<CurveDocument> document = openImported();
    const QString path = document->filePath();
    document.reset();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray untouched = contentsOf(path);
    const QString refused = QDir::toNativeSeparators(path) + QStringLiteral(" is read-only: nothing has been changed.");

    document = std::make_unique<CurveDocument>(path);
    QVERIFY(document->isValid());
    CurveTreeModel& model = *document->treeModel();
    const QModelIndex fileNode = model.index(0, 0);
    const int strings = model.rowCount(fileNode);
    document->tree()->selectionModel()->select(model.index(0, 0, fileNode),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCOMPARE(document->graph()->lineCount(CurveLineKind::StcIV), 1);

    ScriptedPrompts prompts;
    QVERIFY(!document->importFile(QStringLiteral(TEST_DATA_DIR "/results-point.csv")));
    document->findChild<QAction*>(QStringLiteral("actionInsertTreeRow"))->trigger();
    document->findChild<QAction*>(QStringLiteral("actionDeleteTreeRow"))->trigger();
    document->findChild<QAction*>(QStringLiteral("actionSetColour"))->trigger();
    QVERIFY(!model.setData(fileNode, QStringLiteral("renamed")));
    QVERIFY(!(model.flags(fileNode) & Qt::ItemIsEditable));
    QCOMPARE(prompts.messageTexts(), QStringList({refused, refused, refused, refused, refused}));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(!prompts.last().message.informativeText.isEmpty());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.rowCount(fileNode), strings);
    QCOMPARE(fileNode.data().toString(), QStringLiteral("results-point.csv"));
    QVERIFY(!document->isModified());
    document.reset();
    QCOMPARE(contentsOf(path), untouched);
}

// Someone else has the file open: an import here would write under their feet.
void CurveDocumentTest::documentOpenedReadOnlyWritesNothing()
{
    std::unique_ptr<CurveDocument> document = openImported();
    const QString path = document->filePath();
    document.reset();
    const QByteArray untouched = contentsOf(path);
    document = std::make_unique<CurveDocument>(path);
    document->setReadOnly(true);
    const QModelIndex fileNode = document->treeModel()->index(0, 0);

    ScriptedPrompts prompts;
    QVERIFY(!document->importFile(QStringLiteral(TEST_DATA_DIR "/results-point.csv")));
    QVERIFY(!document->treeModel()->setData(fileNode, QStringLiteral("renamed")));

    QCOMPARE(prompts.messageTexts().size(), 2);
    QVERIFY(!document->isModified());
    document.reset();
    QCOMPARE(contentsOf(path), untouched);
}

void CurveDocumentTest::fileGoneSinceOpeningIsSaidAndNothingSaved_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("deleted") << QStringLiteral("deleted");
    QTest::newRow("moved") << QStringLiteral("moved");
    QTest::newRow("replaced") << QStringLiteral("replaced");
}

void CurveDocumentTest::fileGoneSinceOpeningIsSaidAndNothingSaved()
{
    QFETCH(QString, change);
    const std::unique_ptr<CurveDocument> document = openImported();
    const QString path = document->filePath();
    const QString elsewhere = folder->filePath(QStringLiteral("moved.arvcrv"));
    QVERIFY(document->treeModel()->setData(document->treeModel()->index(0, 0), QStringLiteral("Roof east")));
    QVERIFY(document->isModified());
    if (change == QLatin1String("deleted"))
        QVERIFY(QFile::remove(path));
    else
        QVERIFY(QFile::rename(path, elsewhere));
    if (change == QLatin1String("replaced"))
        QVERIFY(QFile::copy(elsewhere, path));
    const QByteArray before = contentsOf(path);

    ScriptedPrompts prompts;
    document->save();
    QVERIFY(!document->importFile(QStringLiteral(TEST_DATA_DIR "/results-point.csv")));
    const QString gone = QDir::toNativeSeparators(path)
        + QStringLiteral(" has been deleted, moved or replaced since it was opened: nothing has been saved.");
    QCOMPARE(prompts.messageTexts(), QStringList({gone, gone}));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(document->isModified());
    QVERIFY(document->findChild<QAction*>(QStringLiteral("actionSave"))->isEnabled());
    QCOMPARE(contentsOf(path), before);
}

// A kill between storing the curves and storing their tree would leave curves that nothing
// reaches: a tree that cannot be written stands for it.
void CurveDocumentTest::importWhoseTreeCannotBeWrittenLeavesNoCurves()
{
    const QString path = copyTemplate();
    CurveDocument document(path);
    QVERIFY(QSqlQuery(QSqlDatabase::database(path, false))
                .exec(QStringLiteral("CREATE TRIGGER cut BEFORE INSERT ON TreeNodes "
                                     "BEGIN SELECT RAISE(ABORT, 'power lost'); END")));
    ScriptedPrompts prompts;
    QVERIFY(!document.importFile(QStringLiteral(TEST_DATA_DIR "/results-point.csv")));
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
    QVERIFY(prompts.last().message.text.contains(QStringLiteral("power lost")));
    QCOMPARE(countIn(path, QStringLiteral("Curves")), 0);
    QCOMPARE(countIn(path, QStringLiteral("TreeNodes")), 0);
    QCOMPARE(document.treeModel()->rowCount(), 0);
    QVERIFY(!document.isModified());
}

VELTRANO_TEST(CurveDocumentTest)
#include "CurveDocumentTest.moc"
