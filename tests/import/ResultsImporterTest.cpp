#include "CsvResultsModel.h"
#include "Globals.h"
#include "ReportContainer.h"
#include "ReportScene.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ResultsFiles.h"
#include "ResultsImporter.h"
#include "TestMain.h"

#include <QBuffer>
#include <QDomDocument>
#include <QTest>
#include <QUndoStack>

// Results rows written into array test reports built from the shipped templates, as the main
// window hands them over from the import dialog.

namespace {
// Rows of results-point.csv.
constexpr int AutoTestRow = 5;
constexpr int PositiveEarthRow = 2;
constexpr int NegativeEarthRow = 3;
// Rows of the measurement table.
constexpr int VocRow = 12;
constexpr int IscRow = 13;
constexpr int IrradianceRow = 14;
constexpr int TestVoltageRow = 16;
constexpr int PositiveEarthTableRow = 17;
constexpr int NegativeEarthTableRow = 18;

// A results file as the tester writes it, with `columns` before the curve and no curve points.
QByteArray resultsFile(const QByteArray& columns, const QList<QByteArray>& rows, const QByteArray& serial = "23104877")
{
    QByteArray bytes = "PVT-Logger," + serial + ",FW 1.07,2\r\n" + columns + ",IVCurve,StatusCode,Checksum\r\n";
    for (const QByteArray& row : rows)
        bytes += row + ",,0,0000\r\n";
    return bytes;
}

struct Results
{
    explicit Results(const QByteArray& bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        model.parse(buffer);
    }
    QModelIndexList rows(const QList<int>& numbers) const
    {
        QModelIndexList indexes;
        for (int row : numbers)
            indexes << model.index(row, 0);
        return indexes;
    }

    CsvResultsModel model;
};

QDomDocument firstBlobAsXml(const QString& path, BlobList& blobs)
{
    QDomDocument document;
    if (ReportContainer::read(path, blobs) == ReportContainer::Status::Ok)
        document.setContent(blobs.first().data);
    return document;
}

// A new English array test report on the given template revision.
struct Report
{
    explicit Report(const QString& templateName = QStringLiteral("arvatr_rev3.pak"))
    {
        BlobList layoutBlobs;
        const QDomDocument layout = firstBlobAsXml(QStringLiteral(":res/reports_en/") + templateName, layoutBlobs);
        BlobList valueBlobs;
        const QDomDocument values = firstBlobAsXml(QStringLiteral(":res/reports_en/default.arvatr"), valueBlobs);
        scene.buildLayout(layout.documentElement(), layoutBlobs);
        scene.applyValues(values.documentElement(), valueBlobs);
    }

    int import(const Results& results, const QList<int>& rows)
    {
        return ResultsImporter(&scene, &results.model).import(results.rows(rows));
    }
    ReportTable* table() const
    {
        return qgraphicsitem_cast<ReportTable*>(scene.itemById(QStringLiteral("test_table")));
    }
    QString cell(int row, int column) const { return table()->cellAt(row, column)->text(); }
    ReportText* field(const QString& id) const { return qobject_cast<ReportText*>(scene.itemById(id)); }
    QString text(const QString& id) const { return field(id)->text(); }
    // Every text of the report, cells included, in a fixed order.
    QStringList snapshot() const
    {
        QStringList texts;
        for (QGraphicsItem* item : scene.items(Qt::AscendingOrder)) {
            if (auto* text = qobject_cast<ReportText*>(AbstractReportItem::fromGraphicsItem(item)))
                texts << text->text();
        }
        return texts;
    }

    QUndoStack stack;
    ReportScene scene{&stack};
};
} // namespace

class ResultsImporterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fillsTheColumnRightOfTheLabelsThenTheNext();
    void undoAndRedoRestoreExactly();
    void onlyLabelRowsDecideTheColumn();
    void fullTableChangesNothing();
    void olderRevisions();
    void insulationResultsFindTheirRow();
    void testerSerialIsAddedOnce();
    void columnsNamedLikeFieldsSetTheirText();
    void testDateTakesTheFieldsFormat_data();
    void testDateTakesTheFieldsFormat();
    void invalidRowsAreRejected_data();
    void invalidRowsAreRejected();
    void withoutSceneThereIsNoInsertionPlace();
};

void ResultsImporterTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    Globals::setReportsFolder(QStringLiteral("reports_en"));
    ReportScene::setScreenDpiY(96);
}

void ResultsImporterTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void ResultsImporterTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void ResultsImporterTest::fillsTheColumnRightOfTheLabelsThenTheNext()
{
    Report report;
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QCOMPARE(report.import(results, {AutoTestRow, NegativeEarthRow}), int(ResultsImporter::Imported));

    QCOMPARE(report.cell(VocRow, 2), QStringLiteral("310.8"));
    QCOMPARE(report.cell(IscRow, 2), QStringLiteral("4.08"));
    QCOMPARE(report.cell(IrradianceRow, 2), QStringLiteral("763"));
    QCOMPARE(report.cell(TestVoltageRow, 2), QStringLiteral("1000"));
    QCOMPARE(report.cell(PositiveEarthTableRow, 2), QString());
    QCOMPARE(report.cell(NegativeEarthTableRow, 2), QStringLiteral("536.3"));
    QCOMPARE(report.cell(VocRow, 3), QString());
    QCOMPARE(report.text("DD/MM/YYYY"), QStringLiteral("06/07/2026"));
    QCOMPARE(report.text("test_instruments"), QStringLiteral("23104877"));
    // Both rows keep their line; bookkeeping columns and empty values are left out.
    QCOMPARE(report.text("comments"),
             QStringLiteral("Index=6; DD/MM/YYYY=08/07/2026; HH:MM:SS=09:05:35; Ta (C)=26.7; Tpv (C)=41.8; FF=0.75; "
                            "Vmpp (V)=251.8; Impp(A)=3.78; \n"
                            "Index=4; DD/MM/YYYY=06/07/2026; HH:MM:SS=09:03:21; \n"));
    // Setting the texts recorded nothing of its own: one import, one step.
    QCOMPARE(report.stack.count(), 1);
    QVERIFY(report.stack.command(0)->text().isEmpty());

    QCOMPARE(report.import(results, {PositiveEarthRow}), int(ResultsImporter::Imported));
    QCOMPARE(report.cell(PositiveEarthTableRow, 3), QStringLiteral("631.7"));
    QCOMPARE(report.cell(PositiveEarthTableRow, 2), QString());
    QCOMPARE(report.stack.count(), 2);

    // Nothing chosen adds no empty step.
    QCOMPARE(report.import(results, {}), int(ResultsImporter::Imported));
    QCOMPARE(report.stack.count(), 2);
}

void ResultsImporterTest::undoAndRedoRestoreExactly()
{
    Report report;
    report.field("DD/MM/YYYY")->setText(QStringLiteral("01/07/2026"));
    report.field("comments")->setText(QStringLiteral("Roof array east\n"));
    report.field("test_instruments")->setText(QStringLiteral("Clamp meter 7"));
    const QStringList before = report.snapshot();
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));

    QCOMPARE(report.import(results, {AutoTestRow, PositiveEarthRow}), int(ResultsImporter::Imported));
    const QStringList after = report.snapshot();
    QVERIFY(after != before);
    QCOMPARE(report.text("test_instruments"), QStringLiteral("Clamp meter 7, 23104877"));
    QVERIFY(report.text("comments").startsWith(QStringLiteral("Roof array east\nIndex=6;")));

    report.stack.undo();
    QCOMPARE(report.snapshot(), before);
    report.stack.redo();
    QCOMPARE(report.snapshot(), after);
    QCOMPARE(report.stack.count(), 1);
}

void ResultsImporterTest::onlyLabelRowsDecideTheColumn()
{
    Report report;
    report.table()->cellAt(1, 6)->setText(QStringLiteral("24"));
    report.table()->cellAt(IscRow, 4)->setText(QStringLiteral("8.1"));
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QCOMPARE(report.import(results, {AutoTestRow}), int(ResultsImporter::Imported));
    QCOMPARE(report.cell(VocRow, 5), QStringLiteral("310.8"));
    QCOMPARE(report.cell(VocRow, 2), QString());

    // A column holding only a negative-earth value is taken all the same.
    Report negativeOnly;
    Results insulation(resultsFile("TestType,Riso (MOhm)", {"8,536.3"}));
    QCOMPARE(negativeOnly.import(insulation, {0}), int(ResultsImporter::Imported));
    QCOMPARE(negativeOnly.import(insulation, {0}), int(ResultsImporter::Imported));
    QCOMPARE(negativeOnly.cell(NegativeEarthTableRow, 2), QStringLiteral("536.3"));
    QCOMPARE(negativeOnly.cell(NegativeEarthTableRow, 3), QStringLiteral("536.3"));
}

void ResultsImporterTest::fullTableChangesNothing()
{
    Report report;
    report.table()->cellAt(VocRow, 7)->setText(QStringLiteral("402.0"));
    const QStringList before = report.snapshot();
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QCOMPARE(report.import(results, {AutoTestRow}), int(ResultsImporter::TableFull));
    QCOMPARE(report.snapshot(), before);
    QCOMPARE(report.stack.count(), 0);
}

void ResultsImporterTest::olderRevisions()
{
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    Report first(QStringLiteral("arvatr.pak"));
    const QStringList before = first.snapshot();
    // No insertion place is reported before a bad row.
    QCOMPARE(first.import(results, {AutoTestRow, 99}), int(ResultsImporter::NoInsertionPlace));
    QCOMPARE(first.snapshot(), before);
    QCOMPARE(first.stack.count(), 0);

    // The second revision has no negative-earth cell: such results fill no insulation row.
    Report second(QStringLiteral("arvatr_rev2.pak"));
    QCOMPARE(second.import(results, {AutoTestRow, NegativeEarthRow}), int(ResultsImporter::Imported));
    QCOMPARE(second.cell(VocRow, 2), QStringLiteral("310.8"));
    QCOMPARE(second.cell(TestVoltageRow, 2), QStringLiteral("1000"));
    QCOMPARE(second.cell(PositiveEarthTableRow, 2), QString());
    QCOMPARE(second.cell(NegativeEarthTableRow, 2), QString());
    QCOMPARE(second.text("DD/MM/YYYY"), QStringLiteral("06/07/2026"));
}

void ResultsImporterTest::insulationResultsFindTheirRow()
{
    // The first result of each pole keeps its row.
    Report report;
    Results typed(resultsFile("TestType,Riso (MOhm)", {"4,100", "4,200", "8,300", "8,400"}));
    QCOMPARE(report.import(typed, {0, 1, 2, 3}), int(ResultsImporter::Imported));
    QCOMPARE(report.cell(PositiveEarthTableRow, 2), QStringLiteral("100"));
    QCOMPARE(report.cell(NegativeEarthTableRow, 2), QStringLiteral("300"));

    // Without a test type every result counts as positive and none reserves the row.
    Report untyped;
    Results withoutType(resultsFile("DD/MM/YYYY,Riso (MOhm)", {"01/02/2026,550", "02/02/2026,600"}));
    QCOMPARE(untyped.import(withoutType, {0, 1}), int(ResultsImporter::Imported));
    QCOMPARE(untyped.cell(PositiveEarthTableRow, 2), QStringLiteral("600"));
    QCOMPARE(untyped.cell(NegativeEarthTableRow, 2), QString());
}

void ResultsImporterTest::testerSerialIsAddedOnce()
{
    Report report;
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    Results otherTester(resultsFile("Voc (VDC)", {"401.2"}, " 30550012 "));
    QCOMPARE(report.import(results, {AutoTestRow}), int(ResultsImporter::Imported));
    QCOMPARE(report.import(results, {PositiveEarthRow}), int(ResultsImporter::Imported));
    QCOMPARE(report.import(otherTester, {0}), int(ResultsImporter::Imported));
    QCOMPARE(report.text("test_instruments"), QStringLiteral("23104877, 30550012"));
}

void ResultsImporterTest::testDateTakesTheFieldsFormat_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tester, English") << "reports_en" << QByteArray("06/07/2026") << "06/07/2026";
    QTest::newRow("tester, German") << "reports_de" << QByteArray("06/07/2026") << "06.07.2026";
    QTest::newRow("last day of the year") << "reports_de" << QByteArray("31/12/2026") << "31.12.2026";
    QTest::newRow("spreadsheet, short") << "reports_en" << QByteArray("6/7/2026") << "06/07/2026";
    QTest::newRow("spreadsheet, German") << "reports_en" << QByteArray("06.07.2026") << "06/07/2026";
    // What is no date is kept as written rather than lost.
    QTest::newRow("day past the month") << "reports_de" << QByteArray("31/06/2026") << "31/06/2026";
    QTest::newRow("month past the year") << "reports_de" << QByteArray("01/13/2026") << "01/13/2026";
    QTest::newRow("no date") << "reports_de" << QByteArray("unknown") << "unknown";
}

void ResultsImporterTest::testDateTakesTheFieldsFormat()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, written);
    QFETCH(QString, shown);
    Report report;
    Results results(resultsFile("DD/MM/YYYY,Voc (VDC)", {written + ",401.2"}));
    Globals::setReportsFolder(folder);
    const int result = report.import(results, {0});
    Globals::setReportsFolder(QStringLiteral("reports_en"));
    QCOMPARE(result, int(ResultsImporter::Imported));
    QCOMPARE(report.text("DD/MM/YYYY"), shown);
    // The comments keep the tester's own text.
    QCOMPARE(report.text("comments"), QStringLiteral("DD/MM/YYYY=%1; \n").arg(QString::fromLatin1(written)));
}

void ResultsImporterTest::columnsNamedLikeFieldsSetTheirText()
{
    Report report;
    report.field("inspector")->setText(QStringLiteral("A. Moreau"));
    Results results(resultsFile("Voc (VDC),initial,inspector,Notes", {"401.2,Initial run,,dry"}));
    QCOMPARE(report.import(results, {0}), int(ResultsImporter::Imported));
    QCOMPARE(report.text("initial"), QStringLiteral("Initial run"));
    // An empty value empties its field.
    QCOMPARE(report.text("inspector"), QString());
    QCOMPARE(report.text("comments"), QStringLiteral("Notes=dry; \n"));
    report.stack.undo();
    QCOMPARE(report.text("initial"), QStringLiteral("Initial verification"));
    QCOMPARE(report.text("inspector"), QStringLiteral("A. Moreau"));
}

void ResultsImporterTest::invalidRowsAreRejected_data()
{
    QTest::addColumn<QString>("index");
    QTest::newRow("invalid") << QStringLiteral("invalid");
    QTest::newRow("of another model") << QStringLiteral("other");
    QTest::newRow("no longer in the model") << QStringLiteral("stale");
}

void ResultsImporterTest::invalidRowsAreRejected()
{
    QFETCH(QString, index);
    Report report;
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    Results other(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QModelIndexList indexes = results.rows({AutoTestRow});
    if (index == QLatin1String("invalid"))
        indexes << QModelIndex();
    else if (index == QLatin1String("other"))
        indexes << other.model.index(0, 0);
    else
        indexes << results.model.index(NegativeEarthRow, 0);
    const QStringList before = report.snapshot();
    if (index == QLatin1String("stale")) {
        QBuffer shorter;
        shorter.setData(resultsFile("Voc (VDC)", {"401.2"}));
        shorter.open(QIODevice::ReadOnly);
        results.model.parse(shorter);
    }
    QCOMPARE(ResultsImporter(&report.scene, &results.model).import(indexes), int(ResultsImporter::InvalidRow));
    QCOMPARE(report.snapshot(), before);
    QCOMPARE(report.stack.count(), 0);
}

void ResultsImporterTest::withoutSceneThereIsNoInsertionPlace()
{
    Results results(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QCOMPARE(ResultsImporter(nullptr, &results.model).import(results.rows({AutoTestRow})),
             int(ResultsImporter::NoInsertionPlace));
}

VELTRANO_TEST(ResultsImporterTest)

#include "ResultsImporterTest.moc"
