#include "DocumentLock.h"
#include "FindInFiles.h"
#include "FoundFilesModel.h"
#include "ProjectsFolder.h"
#include "ScriptedPrompts.h"
#include "SearchResultsDocument.h"
#include "SearchToEnd.h"
#include "TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Names as a Windows program writes them in Latin-1, which the toolkit cannot name.
void writeLatin1Named(const QString& folder, const QByteArray& name, int bytes)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(file >= 0);
    const std::string content(size_t(bytes), 'x');
    QVERIFY(::write(file, content.data(), content.size()) == bytes);
    ::close(file);
}

QStringList shownNames(const FoundFilesModel* model)
{
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data().toString();
    return names;
}
} // namespace

class FindInFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void panelStartsWithOnlyTheNameGroup();
    void emptyNameListsEveryFileAndFolder();
    void namePartFindsFilesAndFolders();
    void everyEnabledCriterionMustHold();
    void phraseFindsOnlyReportsThatHoldIt();
    void stopKeepsWhatWasFound();
    void returnStartsASearchButNotASecondOne();
    void nothingFoundShowsTheMessageRowUntilTheNextSearch();
    void awkwardTreesEndNormally();
    void vanishedRootGivesNoResults();
    void hiddenEntriesAreListed();
    void phraseGroupSaysWhatItSearches();
    void namesThatAreNotUtf8AreListed();

private:
    std::unique_ptr<ProjectsFolder> folder;
    std::unique_ptr<FindInFiles> panel;
};

void FindInFilesTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void FindInFilesTest::init()
{
    folder = std::make_unique<ProjectsFolder>();
    panel = std::make_unique<FindInFiles>();
}

void FindInFilesTest::cleanup()
{
    panel.reset();
    folder.reset();
}

void FindInFilesTest::panelStartsWithOnlyTheNameGroup()
{
    QVERIFY(panel->fileGroup()->isChecked());
    QVERIFY(!panel->phraseGroup()->isChecked());
    QVERIFY(!panel->dateGroup()->isChecked());
    QVERIFY(!panel->sizeGroup()->isChecked());
    QCOMPARE(panel->dateKind()->currentText(), QStringLiteral("Modified Date"));
    QCOMPARE(panel->dateKind()->itemData(0).toInt(), 0);
    QCOMPARE(panel->dateKind()->itemData(2).toInt(), 2);
    QCOMPARE(panel->fromDate()->date(), QDate::currentDate());
    QCOMPARE(panel->toDate()->date(), QDate::currentDate());
    QCOMPARE(panel->sizeComparison()->itemData(1).toInt(), 1);
    QCOMPARE(panel->sizeLimit()->maximum(), 4194303);
    QCOMPARE(panel->sizeLimit()->suffix(), QStringLiteral(" KB"));
    QVERIFY(!panel->searchButton()->isHidden());
    QVERIFY(panel->stopButton()->isHidden());
    QCOMPARE(panel->windowTitle(), QStringLiteral("Find in Files"));
}

void FindInFilesTest::emptyNameListsEveryFileAndFolder()
{
    folder->writeFile(QStringLiteral("b.txt"));
    folder->writeFile(QStringLiteral("Farm/Roof/photo.jpg"));
    QDir().mkpath(folder->path(QStringLiteral("Empty")));
    QSignalSpy started(panel.get(), &FindInFiles::searchStarted);
    QSignalSpy finished(panel.get(), &FindInFiles::searchFinished);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 1);
    // Files before sub-folders, each folder before what it holds.
    QCOMPARE(shownNames(panel->model()),
             (QStringList{"b.txt", "Empty", "Farm", "Farm/Roof", "Farm/Roof/photo.jpg"}));
    QVERIFY(!panel->searchButton()->isHidden());
    QVERIFY(panel->stopButton()->isHidden());
    QVERIFY(!panel->model()->isSearching());

    panel->fileGroup()->setChecked(false);
    panel->nameEdit()->setText(QStringLiteral("nothing like it"));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(panel->model()->foundCount(), 5);
}

void FindInFilesTest::namePartFindsFilesAndFolders()
{
    folder->writeFile(QStringLiteral("Solar Panel.pdf"));
    folder->writeFile(QStringLiteral("Panels/roof.jpg"));
    folder->writeFile(QStringLiteral("notes.txt"));
    panel->nameEdit()->setText(QStringLiteral("panel"));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), (QStringList{"Solar Panel.pdf", "Panels"}));
    panel->nameCaseSensitive()->setChecked(true);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), QStringList{"Search is complete. There are no results to display."});
    panel->nameEdit()->setText(QStringLiteral("r??f"));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), QStringList{"Panels/roof.jpg"});
}

void FindInFilesTest::everyEnabledCriterionMustHold()
{
    folder->writeFile(QStringLiteral("small.csv"), QByteArray(100, 'x'));
    folder->writeFile(QStringLiteral("exact.csv"), QByteArray(10240, 'x'));
    folder->writeFile(QStringLiteral("large.csv"), QByteArray(20000, 'x'));
    const QString old = folder->writeFile(QStringLiteral("old.csv"), QByteArray(20000, 'x'));
    QVERIFY(ProjectsFolder::setModified(old, QDateTime(QDate(2020, 1, 1), QTime(12, 0))));
    panel->nameEdit()->setText(QStringLiteral(".csv"));
    panel->sizeGroup()->setChecked(true);
    panel->sizeLimit()->setValue(10);
    panel->sizeComparison()->setCurrentIndex(0);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), (QStringList{"exact.csv", "large.csv", "old.csv"}));
    panel->sizeComparison()->setCurrentIndex(1);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), (QStringList{"exact.csv", "small.csv"}));

    panel->sizeGroup()->setChecked(false);
    panel->dateGroup()->setChecked(true);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), (QStringList{"exact.csv", "large.csv", "small.csv"}));
    panel->fromDate()->setDate(QDate(2019, 12, 31));
    panel->toDate()->setDate(QDate(2020, 1, 1));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), QStringList{"old.csv"});
}

void FindInFilesTest::phraseFindsOnlyReportsThatHoldIt()
{
    folder->writeReportWithText(QStringLiteral("Farm/Inspection.arvir"), QStringLiteral("Inverter in the barn"));
    folder->writeReportWithText(QStringLiteral("Farm/Test.arvatr"), QStringLiteral("String 1 open"));
    folder->writeReportWithText(QStringLiteral("Farm/Handover.arvchk"), QStringLiteral("Inverter manual"));
    folder->writeFile(QStringLiteral("Farm/inverter.txt"), "Inverter");
    panel->phraseGroup()->setChecked(true);
    panel->phraseEdit()->setText(QStringLiteral("inverter"));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), QStringList{"Farm/Inspection.arvir"});
    panel->phraseCaseSensitive()->setChecked(true);
    QVERIFY(searchToEnd(*panel));
    QVERIFY(panel->model()->hasNoResults());
    // An empty phrase is no criterion at all.
    panel->phraseEdit()->clear();
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(panel->model()->foundCount(), 5);
}

void FindInFilesTest::stopKeepsWhatWasFound()
{
    for (int i = 0; i < 20; ++i)
        folder->writeFile(QStringLiteral("Farm/file%1.txt").arg(i, 2, 10, QLatin1Char('0')));
    bool stopShownWhileSearching = false;
    const auto connection = connect(panel->model(), &QAbstractItemModel::rowsInserted, this, [&] {
        stopShownWhileSearching = !panel->stopButton()->isHidden() && panel->searchButton()->isHidden();
        if (panel->model()->foundCount() == 3)
            panel->stop();
    });
    QVERIFY(searchToEnd(*panel));
    disconnect(connection);
    QVERIFY(stopShownWhileSearching);
    QCOMPARE(panel->model()->foundCount(), 3);
    QVERIFY(!panel->model()->hasNoResults());
    QVERIFY(panel->stopButton()->isHidden());
    // The stop flag does not outlive its search.
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(panel->model()->foundCount(), 21);
}

void FindInFilesTest::returnStartsASearchButNotASecondOne()
{
    folder->writeFile(QStringLiteral("a.txt"));
    folder->writeFile(QStringLiteral("b.txt"));
    QSignalSpy started(panel.get(), &FindInFiles::searchStarted);
    const auto connection = connect(panel->model(), &QAbstractItemModel::rowsInserted, this,
                                    [&] { QTest::keyClick(panel->nameEdit(), Qt::Key_Return); });
    QTest::keyClick(panel->nameEdit(), Qt::Key_Return);
    QTRY_VERIFY(!panel->isSearching());
    disconnect(connection);
    QCOMPARE(started.count(), 1);
    QCOMPARE(panel->model()->foundCount(), 2);
    QTest::keyClick(panel->sizeLimit(), Qt::Key_Enter);
    QCOMPARE(started.count(), 2);
    QTRY_VERIFY(!panel->isSearching());
}

void FindInFilesTest::nothingFoundShowsTheMessageRowUntilTheNextSearch()
{
    QVERIFY(searchToEnd(*panel));
    QVERIFY(panel->model()->hasNoResults());
    QCOMPARE(panel->model()->rowCount(), 1);
    folder->writeFile(QStringLiteral("a.txt"));
    int rowsWhenStarted = -1;
    const auto connection = connect(panel.get(), &FindInFiles::searchStarted, this, [&] {
        // The results window is shown before the model is cleared; the walk follows.
        QTimer::singleShot(0, this, [&] { rowsWhenStarted = panel->model()->rowCount(); });
    });
    QVERIFY(searchToEnd(*panel));
    disconnect(connection);
    QCOMPARE(rowsWhenStarted, 0);
    QCOMPARE(shownNames(panel->model()), QStringList{"a.txt"});
}

void FindInFilesTest::awkwardTreesEndNormally()
{
    folder->writeFile(QStringLiteral("Farm/odd ä ß 中 #%&;'[x]{}$ .txt"));
    folder->writeFile(QStringLiteral("Farm/*?.txt"));
    folder->writeFile(QStringLiteral("Farm/-leading dash"));
    folder->writeFile(QStringLiteral("Farm/report.arvir"), "\x00\x00\x00\x20garbage");
    QVERIFY(QFile::link(folder->root(), folder->path(QStringLiteral("Farm/loop"))));
    QVERIFY(QFile::link(folder->path(QStringLiteral("Farm/-leading dash")), folder->path(QStringLiteral("link.txt"))));
    panel->phraseGroup()->setChecked(true);
    QVERIFY(searchToEnd(*panel));
    // Neither link is listed, so the loop is never entered.
    QCOMPARE(panel->model()->foundCount(), 5);
    QVERIFY(!shownNames(panel->model()).contains(QStringLiteral("Farm/loop")));
    panel->nameEdit()->setText(QStringLiteral("*?.txt"));
    panel->nameCaseSensitive()->setChecked(true);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), (QStringList{"Farm/*?.txt", "Farm/odd ä ß 中 #%&;'[x]{}$ .txt"}));
}

void FindInFilesTest::vanishedRootGivesNoResults()
{
    folder->writeFile(QStringLiteral("a.txt"));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(panel->model()->foundCount(), 1);
    QVERIFY(QDir(folder->root()).removeRecursively());
    QVERIFY(searchToEnd(*panel));
    QVERIFY(panel->model()->hasNoResults());
}

void FindInFilesTest::hiddenEntriesAreListed()
{
    folder->writeFile(QStringLiteral(".notes.txt"));
    folder->writeFile(QStringLiteral(".backup/Roof.arvir"));
    folder->writeFile(QStringLiteral("Farm/.old/photo.jpg"));
    // The lock an open document holds beside itself is the program's, not the user's.
    const QString report = folder->writeFile(QStringLiteral("Farm/Roof.arvir"));
    DocumentLock lock(report);
    QCOMPARE(lock.acquire(nullptr), DocumentLock::Outcome::Locked);
    QVERIFY(QFileInfo::exists(folder->path(QStringLiteral("Farm/.Roof.arvir.lock"))));
    folder->writeFile(QStringLiteral("Farm/.lock"));
    folder->writeFile(QStringLiteral("Farm/.Gone.arvir.lock"));
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), (QStringList {".notes.txt", ".backup", ".backup/Roof.arvir", "Farm",
                                                       "Farm/.Gone.arvir.lock", "Farm/.lock", "Farm/Roof.arvir",
                                                       "Farm/.old", "Farm/.old/photo.jpg"}));
}

void FindInFilesTest::phraseGroupSaysWhatItSearches()
{
    const QString hint =
        QStringLiteral("Looks into inspection reports, array test reports and verification certificates.");
    QCOMPARE(panel->phraseKinds()->text(), hint);
    QCOMPARE(panel->phraseKinds()->parentWidget(), panel->phraseGroup());
    QCOMPARE(panel->phraseEdit()->toolTip(), hint);
}

void FindInFilesTest::namesThatAreNotUtf8AreListed()
{
    folder->writeFile(QStringLiteral("Farm/notes.txt"));
    writeLatin1Named(folder->path(QStringLiteral("Farm")), "Bericht M\xfcller.txt", 1025);
    QVERIFY(::mkdir((QFile::encodeName(folder->root()) + "/Stra\xdf" "e").constData(), 0755) == 0);
    QVERIFY(searchToEnd(*panel));
    const QString replacement(QChar::ReplacementCharacter);
    // After the readable entries of their folder.
    const QString report = "Farm/Bericht M" + replacement + "ller.txt";
    QCOMPARE(shownNames(panel->model()), (QStringList {"Farm", "Farm/notes.txt", report, "Stra" + replacement + "e"}));
    QCOMPARE(panel->model()->index(2, FoundFilesModel::SizeColumn).data().toString(), QStringLiteral("2 KB"));
    QCOMPARE(panel->model()->index(2, FoundFilesModel::ModifiedColumn).data().toString().left(10),
             QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QVERIFY(!panel->model()->index(2, FoundFilesModel::NameColumn).data(Qt::ToolTipRole).toString().isEmpty());
    QVERIFY(panel->model()->index(1, FoundFilesModel::NameColumn).data(Qt::ToolTipRole).isNull());

    // It cannot be opened by that name: the user is told why and what to do instead.
    ScriptedPrompts prompts;
    SearchResultsDocument results(folder->path(QStringLiteral("Search Results")));
    results.setModel(panel->model());
    QSignalSpy opened(&results, &SearchResultsDocument::openDocument);
    results.activated(panel->model()->index(2, FoundFilesModel::ModifiedColumn));
    QVERIFY(opened.isEmpty());
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(prompts.last().message.text.contains(report));
    QVERIFY(prompts.last().message.informativeText.contains(QStringLiteral("Rename")));
    results.activated(panel->model()->index(1, FoundFilesModel::NameColumn));
    QCOMPARE(opened.count(), 1);

    panel->nameEdit()->setText(QStringLiteral("m?ller"));
    panel->sizeGroup()->setChecked(true);
    panel->sizeComparison()->setCurrentIndex(0);
    panel->sizeLimit()->setValue(1);
    QVERIFY(searchToEnd(*panel));
    QCOMPARE(shownNames(panel->model()), QStringList {report});
    panel->sizeLimit()->setValue(2);
    QVERIFY(searchToEnd(*panel));
    QVERIFY(panel->model()->hasNoResults());
}

VELTRANO_TEST(FindInFilesTest)
#include "FindInFilesTest.moc"
