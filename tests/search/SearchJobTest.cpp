#include "FoundFilesModel.h"
#include "ProjectsFolder.h"
#include "SearchCriteria.h"
#include "SearchJob.h"
#include "TestMain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {
// About 2 MiB of report XML in short text runs, with `last` as the final run.
QByteArray largeReportXml(const QByteArray& last)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<document>\n";
    for (int item = 0; xml.size() < 2 * 1024 * 1024; ++item)
        xml += "  <text id=\"f" + QByteArray::number(item) + "\">String " + QByteArray::number(item)
            + ": 412 V, 8.9 A, insulation above 200 MOhm</text>\n";
    return xml + "  <text id=\"notes\">" + last + "</text>\n</document>\n";
}

SearchCriteria phraseCriteria(const QString& phrase)
{
    SearchCriteria criteria;
    criteria.setName(QString(), Qt::CaseInsensitive);
    criteria.setPhrase(phrase, Qt::CaseInsensitive);
    return criteria;
}

QStringList foundNames(const FoundFilesModel& model)
{
    QStringList names;
    for (int row = 0; row < model.foundCount(); ++row)
        names << model.index(row, FoundFilesModel::NameColumn).data().toString();
    return names;
}
} // namespace

class SearchJobTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void findsEveryMatchAndReturnsAtOnce();
    void stopEndsTheWalkAtTheNextSlice();
    void largeReportIsReadInPiecesAndStopsWithinASlice();
    void filesItCannotReadAreSkipped();
    void noRootFinishesWithNothing();

private:
    // Runs the search to its end.
    bool finishes(const SearchCriteria& criteria);
    // Starts a search and stops it between two slices once `slices` have run; returns how many
    // had run when it stopped, or -1 when the search did not end.
    int stopAfter(int slices, const SearchCriteria& criteria);

    std::unique_ptr<ProjectsFolder> folder;
    std::unique_ptr<FoundFilesModel> model;
    std::unique_ptr<SearchJob> job;
};

void SearchJobTest::init()
{
    folder = std::make_unique<ProjectsFolder>();
    model = std::make_unique<FoundFilesModel>();
    job = std::make_unique<SearchJob>(model.get());
}

void SearchJobTest::cleanup()
{
    job.reset();
    model.reset();
    folder.reset();
}

bool SearchJobTest::finishes(const SearchCriteria& criteria)
{
    QSignalSpy finished(job.get(), &SearchJob::finished);
    model->startSearch(folder->root());
    job->start(folder->root(), criteria);
    const bool ended = finished.wait(30000) && finished.count() == 1;
    model->finishSearch();
    return ended;
}

int SearchJobTest::stopAfter(int slices, const SearchCriteria& criteria)
{
    QSignalSpy finished(job.get(), &SearchJob::finished);
    int slicesAtStop = -1;
    // Its ticks take turns with the job's slices, as a click on Stop would.
    QTimer watcher;
    watcher.setInterval(0);
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (job->slicesRun() < slices)
            return;
        slicesAtStop = job->slicesRun();
        job->stop();
        watcher.stop();
    });
    model->startSearch(folder->root());
    job->start(folder->root(), criteria);
    watcher.start();
    return finished.wait(5000) ? slicesAtStop : -1;
}

void SearchJobTest::findsEveryMatchAndReturnsAtOnce()
{
    folder->writeFile(QStringLiteral("Roof/a.txt"));
    folder->writeFile(QStringLiteral("Roof/b.jpg"));
    folder->writeFile(QStringLiteral("c.txt"));
    SearchCriteria criteria;
    criteria.setName(QStringLiteral(".txt"), Qt::CaseInsensitive);
    model->startSearch(folder->root());
    job->start(folder->root(), criteria);
    // Nothing is walked before events are let through.
    QVERIFY(job->isRunning());
    QCOMPARE(model->foundCount(), 0);
    QTRY_VERIFY(!job->isRunning());
    QCOMPARE(foundNames(*model), (QStringList{"c.txt", "Roof/a.txt"}));

    criteria.setName(QString(), Qt::CaseInsensitive);
    QVERIFY(finishes(criteria));
    QCOMPARE(foundNames(*model), (QStringList{"c.txt", "Roof", "Roof/a.txt", "Roof/b.jpg"}));
}

void SearchJobTest::stopEndsTheWalkAtTheNextSlice()
{
    for (int i = 0; i < 40; ++i)
        folder->writeFile(QStringLiteral("file%1.txt").arg(i, 2, 10, QLatin1Char('0')));
    job->setSliceMs(0);
    const int slicesAtStop = stopAfter(5, SearchCriteria());
    QVERIFY(slicesAtStop >= 5);
    QVERIFY(job->slicesRun() <= slicesAtStop + 1);
    // One entry per slice: whatever was found before the stop stays, nothing after it comes.
    QCOMPARE(model->foundCount(), slicesAtStop);
    QVERIFY(!job->isRunning());

    // The stop does not outlive its search.
    QVERIFY(finishes(SearchCriteria()));
    QCOMPARE(model->foundCount(), 40);
}

void SearchJobTest::largeReportIsReadInPiecesAndStopsWithinASlice()
{
    folder->writeReport(QStringLiteral("Farm/Large.arvir"), largeReportXml("Inverter in the cellar"));
    job->setSliceMs(0);
    QVERIFY(finishes(phraseCriteria(QStringLiteral("cellar"))));
    QCOMPARE(foundNames(*model), QStringList{"Farm/Large.arvir"});
    // 2 MiB of XML in pieces of 64 KiB takes at least 32 slices, between which events run.
    QVERIFY2(job->slicesRun() >= 32, qPrintable(QString::number(job->slicesRun())));

    // The walk reaches the report by the third slice; eight slices in, it is partly read.
    const int slicesAtStop = stopAfter(8, phraseCriteria(QStringLiteral("cellar")));
    QVERIFY(slicesAtStop >= 8 && slicesAtStop < 32);
    QVERIFY(job->slicesRun() <= slicesAtStop + 1);
    // The report stopped half-way is not counted as found.
    QCOMPARE(model->foundCount(), 0);
}

void SearchJobTest::filesItCannotReadAreSkipped()
{
    QCOMPARE(::mkfifo(QFile::encodeName(folder->path(QStringLiteral("a pipe.arvir"))).constData(), 0600), 0);
    folder->writeFile(QStringLiteral("b damaged.arvatr"), QByteArray("\x00\x00\x10\x00garbage", 11));
    folder->writeFile(QStringLiteral("c empty.arvvc"), QByteArray());
    folder->writeReportWithText(QStringLiteral("d found.arvir"), QStringLiteral("Inverter in the barn"));
    folder->writeReportWithText(QStringLiteral("Farm/e found.arvatr"), QStringLiteral("new inverter"));
    QVERIFY(finishes(phraseCriteria(QStringLiteral("inverter"))));
    QCOMPARE(foundNames(*model), (QStringList{"d found.arvir", "Farm/e found.arvatr"}));
}

void SearchJobTest::noRootFinishesWithNothing()
{
    QSignalSpy finished(job.get(), &SearchJob::finished);
    job->start(QString(), SearchCriteria());
    QVERIFY(finished.wait(5000));
    QCOMPARE(model->foundCount(), 0);
}

VELTRANO_TEST(SearchJobTest)
#include "SearchJobTest.moc"
