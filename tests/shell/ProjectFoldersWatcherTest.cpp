#include "ProjectFoldersWatcher.h"
#include "TestMain.h"

#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
// `count` folders in rows of ten below `root`, such as "Job 12/Photos"; returns their paths.
QStringList makeFolders(const QString& root, int count)
{
    QStringList made;
    for (int i = 0; i < count; ++i) {
        const QString folder = QStringLiteral("%1/Job %2").arg(root).arg(i / 2);
        made << (i % 2 == 0 ? folder : folder + QStringLiteral("/Photos"));
        QDir().mkpath(made.last());
    }
    made.sort();
    return made;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}
} // namespace

class ProjectFoldersWatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFolderBelowTheRootIsWatchedButNotTheRoot();
    void aNewRootReplacesTheOldFoldersEvenWhileGathering();
    void aChangeInADeepFolderIsReported();
    void closingWhileGatheringEndsTheWalk();
    void everyFolderOfALargeRootReportsItsChanges();

private:
    // More folders than one file-system watcher takes; made once, as making folders is slow on
    // some disks.
    QTemporaryDir large;
    QStringList largeFolders;
};

void ProjectFoldersWatcherTest::initTestCase()
{
    largeFolders = makeFolders(large.path(), 2101);
}

void ProjectFoldersWatcherTest::everyFolderBelowTheRootIsWatchedButNotTheRoot()
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("Farm/Photos/2026"));
    QDir(root.path()).mkpath(QStringLiteral("School"));
    QDir(root.path()).mkpath(QStringLiteral(".hidden/inner"));
    ProjectFoldersWatcher watcher;
    QSignalSpy gathered(&watcher, &ProjectFoldersWatcher::gathered);

    watcher.watch(root.path());
    QVERIFY(watcher.isGathering());
    QVERIFY(gathered.wait(5000));
    QVERIFY(!watcher.isGathering());
    QCOMPARE(sorted(watcher.directories()),
             (QStringList{root.filePath(QStringLiteral("Farm")), root.filePath(QStringLiteral("Farm/Photos")),
                          root.filePath(QStringLiteral("Farm/Photos/2026")), root.filePath(QStringLiteral("School"))}));

    // Hundreds of folders come in several batches; all of them arrive, each once.
    watcher.watch(large.path());
    QVERIFY(gathered.wait(5000));
    QCOMPARE(gathered.count(), 2);
    QCOMPARE(sorted(watcher.directories()), largeFolders);
}

// Batches of the old walk may still be on their way when the root changes.
void ProjectFoldersWatcherTest::aNewRootReplacesTheOldFoldersEvenWhileGathering()
{
    QTemporaryDir second;
    QDir(second.path()).mkpath(QStringLiteral("Only"));
    ProjectFoldersWatcher watcher;
    QSignalSpy gathered(&watcher, &ProjectFoldersWatcher::gathered);

    watcher.watch(large.path());
    // The first walk hands over its batches meanwhile; none is taken in before the root changes.
    QThread::msleep(100);
    watcher.watch(second.path());
    QVERIFY(gathered.wait(5000));
    QTest::qWait(50);
    QCOMPARE(gathered.count(), 1);
    QCOMPARE(watcher.directories(), QStringList{second.filePath(QStringLiteral("Only"))});
}

void ProjectFoldersWatcherTest::aChangeInADeepFolderIsReported()
{
    QTemporaryDir root;
    const QString deep = root.filePath(QStringLiteral("Farm/Photos/2026"));
    QDir().mkpath(deep);
    ProjectFoldersWatcher watcher;
    QSignalSpy gathered(&watcher, &ProjectFoldersWatcher::gathered);
    QSignalSpy changed(&watcher, &ProjectFoldersWatcher::directoryChanged);
    watcher.watch(root.path());
    QVERIFY(gathered.wait(5000));

    QFile file(deep + QStringLiteral("/roof.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(changed.wait(5000));
    QCOMPARE(changed.first().first().toString(), deep);
}

void ProjectFoldersWatcherTest::closingWhileGatheringEndsTheWalk()
{
    auto watcher = std::make_unique<ProjectFoldersWatcher>();
    watcher->watch(large.path());
    watcher.reset();
    // Nothing of the stopped walk arrives afterwards at the destroyed watcher.
    QTest::qWait(50);
}

// The watchers are filled on the gathering thread and handed to the window's: each of them must
// go on reporting there.
void ProjectFoldersWatcherTest::everyFolderOfALargeRootReportsItsChanges()
{
    ProjectFoldersWatcher watcher;
    QSignalSpy gathered(&watcher, &ProjectFoldersWatcher::gathered);
    QSignalSpy changed(&watcher, &ProjectFoldersWatcher::directoryChanged);
    watcher.watch(large.path());
    QVERIFY(gathered.wait(10000));

    for (const QString& folder : qAsConst(largeFolders)) {
        QFile file(folder + QStringLiteral("/notes.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QSet<QString> reported;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (; !changed.isEmpty(); changed.removeFirst())
                reported << changed.first().first().toString();
            return reported.size() >= largeFolders.size();
        }(),
        10000);
    QCOMPARE(sorted(reported.values()), largeFolders);
}

VELTRANO_TEST(ProjectFoldersWatcherTest)
#include "ProjectFoldersWatcherTest.moc"
