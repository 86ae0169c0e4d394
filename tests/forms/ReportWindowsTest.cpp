#include "AbstractDocument.h"
#include "Folders.h"
#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "MainWindow.h"
#include "ReportFavourites.h"
#include "ReportScene.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QAction>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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

    // The report's import button asks the main window for a results file.
    report->findChild<QAction*>("actionImport")->trigger();
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().files.caption, QStringLiteral("Import CSV File"));
}

VELTRANO_TEST(ReportWindowsTest)

#include "ReportWindowsTest.moc"
