#include "AbstractDocument.h"
#include "CsvResultsModel.h"
#include "DialogImportResults.h"
#include "Folders.h"
#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "MainWindow.h"
#include "ReportContainer.h"
#include "ReportFavourites.h"
#include "ReportScene.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ResultsImportMessages.h"
#include "ResultsImporter.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QAction>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {
// The text of the cell in `column` of the row labelled `labelId` of the measurement table.
QString measurement(const GraphicalReportDocument* report, const QString& labelId, int column)
{
    auto* label = qobject_cast<ReportTableCell*>(report->scene()->itemById(labelId));
    ReportTableCell* cell = label ? label->table()->cellAt(label->row(), column) : nullptr;
    return cell ? cell->text() : QStringLiteral("<no cell>");
}
} // namespace

// Reports in the main window: made from the favourites by the New commands, opened by path as
// report windows that hand download and import to the main window.

class ReportWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void newReportsOpenAsReportWindows_data();
    void newReportsOpenAsReportWindows();
    void chosenResultsGoIntoTheActiveReport();
    void reportsWithoutPlaceForResultsSaySo_data();
    void reportsWithoutPlaceForResultsSaySo();
    void failedImportsAreExplained();

private:
    // A main window over a fresh projects folder, with the sample results in its import dialog.
    struct ImportSetup
    {
        ScriptedPrompts prompts;
        QTemporaryDir projects;
        MainWindow* window = nullptr;
        ImportSetup();
        ~ImportSetup() { delete window; }
        GraphicalReportDocument* open(const QString& path) const;
        QModelIndexList rows(const QList<int>& rows) const;
    };
};

void ReportWindowsTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    QSettings settings;
    settings.setValue(SettingsKeys::showWelcome, false);
    settings.setValue(SettingsKeys::locale, QStringLiteral("en"));
    Globals::setReportsFolder(QStringLiteral("reports_en"));
    Globals::setDefaultFileNames(DefaultFileNames::english());
    ReportFavourites::removeAll();
}

void ReportWindowsTest::cleanupTestCase()
{
    ReportFavourites::removeAll();
}

void ReportWindowsTest::newReportsOpenAsReportWindows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("extension");
    QTest::newRow("inspection report") << "actionNewInspectionReport" << "arvir";
    QTest::newRow("array test report") << "actionNewTestReport" << "arvatr";
    QTest::newRow("verification certificate") << "actionNewVerificationCertificate" << "arvvc";
    QTest::newRow("checklist") << "actionNewChecklist" << "arvchk";
}

void ReportWindowsTest::newReportsOpenAsReportWindows()
{
    QFETCH(QString, command);
    QFETCH(QString, extension);
    ScriptedPrompts prompts;
    QTemporaryDir projects;
    QSettings().setValue(SettingsKeys::rootDir, projects.path());
    Folders::instance(true);
    MainWindow window;
    QCOMPARE(ReportScene::screenDpiY(), double(window.logicalDpiY()));

    window.findChild<QAction*>(command)->trigger();
    const QStringList made = QDir(projects.path()).entryList({"*." + extension});
    QCOMPARE(made.size(), 1);
    AbstractDocument* doc = window.openDocument(projects.filePath(made.first()));
    auto* report = qobject_cast<GraphicalReportDocument*>(doc);
    QVERIFY(report);
    QVERIFY(report->isValid());
    QCOMPARE(window.documents(), QList<AbstractDocument*>{doc});
    QCOMPARE(window.openDocument(doc->filePath()), doc);
    QVERIFY(prompts.shown().isEmpty());

    // The array test report's import button asks the main window for a results file; the other
    // kinds have nowhere to put results and offer no such button.
    auto* importButton = report->findChild<QAction*>("actionImport");
    QCOMPARE(importButton != nullptr, extension == QLatin1String("arvatr"));
    if (!importButton)
        return;
    importButton->trigger();
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().files.caption, QStringLiteral("Import CSV File"));
}

ReportWindowsTest::ImportSetup::ImportSetup()
{
    QSettings().setValue(SettingsKeys::rootDir, projects.path());
    Folders::instance(true);
    window = new MainWindow;
    // Sub-windows become active only in a shown main window.
    window->show();
    window->resultsImportDialog()->load(QStringLiteral(TEST_DATA_DIR "/results-point.csv"));
}

GraphicalReportDocument* ReportWindowsTest::ImportSetup::open(const QString& path) const
{
    return qobject_cast<GraphicalReportDocument*>(window->openDocument(path));
}

QModelIndexList ReportWindowsTest::ImportSetup::rows(const QList<int>& rows) const
{
    QModelIndexList indexes;
    for (int row : rows)
        indexes << window->resultsImportDialog()->model()->index(row, 0);
    return indexes;
}

void ReportWindowsTest::chosenResultsGoIntoTheActiveReport()
{
    ImportSetup setup;
    QVERIFY(QTest::qWaitForWindowExposed(setup.window));
    setup.window->findChild<QAction*>("actionNewTestReport")->trigger();
    GraphicalReportDocument* report = setup.open(setup.projects.filePath(QDir(setup.projects.path()).entryList({"*.arvatr"}).first()));
    QVERIFY(report);

    // An AutoTest row and a negative-earth insulation row of the sample file.
    emit setup.window->resultsImportDialog()->importRow(setup.rows({5, 3}));
    QVERIFY(setup.prompts.shown().isEmpty());
    QCOMPARE(measurement(report, "Voc (VDC)", 2), QStringLiteral("310.8"));
    QCOMPARE(measurement(report, "-Riso (MOhm)", 2), QStringLiteral("536.3"));
    QCOMPARE(measurement(report, "Riso (MOhm)", 2), QString());
    QVERIFY(report->isModified());
    QCOMPARE(report->undoStack()->count(), 1);

    report->undoStack()->undo();
    QCOMPARE(measurement(report, "Voc (VDC)", 2), QString());
    QCOMPARE(measurement(report, "-Riso (MOhm)", 2), QString());
    QVERIFY(!report->isModified());
}

void ReportWindowsTest::reportsWithoutPlaceForResultsSaySo_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("resPak");
    QTest::addColumn<QString>("message");
    QTest::newRow("checklist") << "Handover.arvchk" << ":res/reports_en/arvchk.pak"
                               << "Unable to find where to insert data. Please ensure an Array Test Report has "
                                  "focus before inserting the data.";
    QTest::newRow("first array test report") << "Old.ARVATR" << ":res/reports_en/arvatr.pak"
        << "You are attempting to insert data into an older version of the Array Test Report document. "
           "\t\t\t\t\t\t\t\t   Please create a new Array Test Report if you would like to import data into it. "
           "\t\t\t\t\t\t\t\t   You may need to restore the Array Test Document in the favourites settings if "
           "the favourite \t\t\t\t\t\t\t\t   was created using an earlier version of Veltrano.";
}

void ReportWindowsTest::reportsWithoutPlaceForResultsSaySo()
{
    QFETCH(QString, fileName);
    QFETCH(QString, resPak);
    QFETCH(QString, message);
    ImportSetup setup;
    QVERIFY(QTest::qWaitForWindowExposed(setup.window));
    const QString path = setup.projects.filePath(fileName);
    const QByteArray xml = QStringLiteral("<document resPak='%1'/>").arg(resPak).toUtf8();
    QCOMPARE(ReportContainer::write(path, {{"xml", xml}}), ReportContainer::Status::Ok);
    GraphicalReportDocument* report = setup.open(path);
    QVERIFY(report && report->isValid());

    emit setup.window->resultsImportDialog()->importRow(setup.rows({5}));
    QCOMPARE(setup.prompts.messageTexts(), QStringList{message});
    QCOMPARE(setup.prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(report->undoStack()->count(), 0);
}

void ReportWindowsTest::failedImportsAreExplained()
{
    ImportSetup setup;
    QVERIFY(QTest::qWaitForWindowExposed(setup.window));
    const QModelIndexList indexes = setup.rows({0, 2});
    ResultsImportMessages::show(setup.window, ResultsImporter::InvalidRow, "a.arvatr", indexes);
    ResultsImportMessages::show(setup.window, ResultsImporter::TableFull, "a.arvatr", indexes);
    ResultsImportMessages::show(setup.window, ResultsImporter::Imported, "a.arvatr", indexes);
    QCOMPARE(setup.prompts.messageTexts(),
             (QStringList{"Programming error: Invalid row: 1, 3",
                          "No more room left in the report table. Please use another Array Test Report."}));
    QCOMPARE(setup.prompts.shown().first().message.icon, QMessageBox::Critical);

    // Without a report document in front nothing is imported and nothing is said.
    emit setup.window->resultsImportDialog()->importRow(indexes);
    QCOMPARE(setup.prompts.shown().size(), 2);
}

VELTRANO_TEST(ReportWindowsTest)

#include "ReportWindowsTest.moc"
