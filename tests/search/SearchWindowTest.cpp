#include "DocumentFactory.h"
#include "FindInFiles.h"
#include "Folders.h"
#include "FoundFilesModel.h"
#include "MainWindow.h"
#include "ProjectsFolder.h"
#include "ScriptedPrompts.h"
#include "SearchResultsDocument.h"
#include "SearchToEnd.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QDir>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

// The main window's side of a search: the one results window, and opening what was found.
class SearchWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void searchShowsItsResultsInOneWindow();
    void activatingARowOpensTheFoundFile();
    void resultsWindowSurvivesFolderChanges();
    void resultsWindowClosedDuringASearchComesBackNextTime();

private:
    SearchResultsDocument* resultsWindow() const;

    std::unique_ptr<ProjectsFolder> folder;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<MainWindow> window;
    QStringList openedReports;
};

void SearchWindowTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    // Stands in for the report window: records what it was asked to open.
    DocumentFactory::setMaker(DocumentClass::GraphicalReport, [this](const QString& path, QWidget* parent) {
        openedReports << path;
        auto* doc = new AbstractDocument(path, parent);
        doc->setValid(!path.contains(QLatin1String("broken")));
        return doc;
    });
}

void SearchWindowTest::cleanupTestCase()
{
    DocumentFactory::setMaker(DocumentClass::GraphicalReport, {});
}

void SearchWindowTest::init()
{
    QSettings().setValue(SettingsKeys::showWelcome, false);
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    folder = std::make_unique<ProjectsFolder>();
    prompts = std::make_unique<ScriptedPrompts>();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    openedReports.clear();
}

void SearchWindowTest::cleanup()
{
    window.reset();
    prompts.reset();
    folder.reset();
}

SearchResultsDocument* SearchWindowTest::resultsWindow() const
{
    return qobject_cast<SearchResultsDocument*>(window->activeDocument());
}

void SearchWindowTest::searchShowsItsResultsInOneWindow()
{
    QCOMPARE(window->searchDock()->widget(), window->findInFiles());
    folder->writeFile(QStringLiteral("Farm/Inspection.arvir"), QByteArray(3000, 'x'));
    QVERIFY(searchToEnd(*window->findInFiles()));
    SearchResultsDocument* results = resultsWindow();
    QVERIFY(results);
    QCOMPARE(results->filePath(), Folders::instance().dataFolder() + QStringLiteral("/Search Results"));
    QCOMPARE(results->windowTitle(), QStringLiteral("Search Results"));
    QCOMPARE(results->view()->model(), window->findInFiles()->model());
    QCOMPARE(results->view()->model()->rowCount(), 2);
    QVERIFY(!results->view()->showGrid());
    QVERIFY(results->view()->verticalHeader()->isHidden());
    // Fitted to the longest name once the search finished.
    QVERIFY(results->view()->columnWidth(0)
            > results->view()->fontMetrics().horizontalAdvance(QStringLiteral("Farm/Inspection.arvir")));

    window->findInFiles()->nameEdit()->setText(QStringLiteral("inspection"));
    QVERIFY(searchToEnd(*window->findInFiles()));
    QCOMPARE(window->documents().size(), 1);
    QCOMPARE(resultsWindow(), results);
    QCOMPARE(results->view()->model()->rowCount(), 1);
}

void SearchWindowTest::activatingARowOpensTheFoundFile()
{
    const QString report = folder->writeFile(QStringLiteral("Farm/Inspection.arvir"));
    folder->writeFile(QStringLiteral("Farm/broken.arvatr"));
    window->findInFiles()->nameEdit()->setText(QStringLiteral(".arv"));
    QVERIFY(searchToEnd(*window->findInFiles()));
    QVERIFY(searchToEnd(*window->findInFiles()));
    SearchResultsDocument* results = resultsWindow();
    QTableView* view = results->view();
    QCOMPARE(view->model()->index(1, 0).data().toString(), QStringLiteral("Farm/Inspection.arvir"));
    results->activated(view->model()->index(1, 2));
    // Connected once however many searches ran.
    QCOMPARE(openedReports, QStringList{report});
    QCOMPARE(window->documents().size(), 2);

    // A document that did not load is not kept.
    results->activated(view->model()->index(0, 0));
    QCOMPARE(openedReports.size(), 2);
    QCOMPARE(window->documents().size(), 2);

    window->findInFiles()->nameEdit()->setText(QStringLiteral("nothing like it"));
    QVERIFY(searchToEnd(*window->findInFiles()));
    QSignalSpy opened(results, &SearchResultsDocument::openDocument);
    results->activated(view->model()->index(0, 0));
    QCOMPARE(opened.count(), 0);
    QVERIFY(prompts->shown().isEmpty());
}

void SearchWindowTest::resultsWindowSurvivesFolderChanges()
{
    folder->writeFile(QStringLiteral("Farm/a.txt"));
    QVERIFY(searchToEnd(*window->findInFiles()));
    QVERIFY(resultsWindow());
    QDir().mkpath(folder->path(QStringLiteral("Farm/New")));
    QVERIFY(QMetaObject::invokeMethod(window.get(), "directoryChanged",
                                      Q_ARG(QString, folder->path(QStringLiteral("Farm")))));
    QCOMPARE(window->documents().size(), 1);
}

void SearchWindowTest::resultsWindowClosedDuringASearchComesBackNextTime()
{
    for (int i = 0; i < 5; ++i)
        folder->writeFile(QStringLiteral("file%1.txt").arg(i));
    const auto connection = connect(window->findInFiles()->model(), &QAbstractItemModel::rowsInserted, this,
                                    [this] { window->closeActiveDocument(); });
    QVERIFY(searchToEnd(*window->findInFiles()));
    disconnect(connection);
    QCOMPARE(window->findInFiles()->model()->foundCount(), 5);
    QVERIFY(searchToEnd(*window->findInFiles()));
    QVERIFY(resultsWindow());
    QCOMPARE(resultsWindow()->view()->model()->rowCount(), 5);
}

VELTRANO_TEST(SearchWindowTest)
#include "SearchWindowTest.moc"
