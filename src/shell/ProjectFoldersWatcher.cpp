#include "ProjectFoldersWatcher.h"

#include <QDirIterator>
#include <QFileSystemWatcher>
#include <QMutexLocker>
#include <QThread>

#include <utility>

namespace {
// The folders a watcher holds keep the watchers few enough for the system's limit on them (128 a
// user on Linux) even with a hundred thousand folders; a batch is what a watcher takes at once.
constexpr int foldersPerWatcher = 2048;
constexpr int batchSize = 64;
} // namespace

ProjectFoldersWatcher::ProjectFoldersWatcher(QObject* parent)
    : QObject(parent)
{
}

ProjectFoldersWatcher::~ProjectFoldersWatcher()
{
    stopGathering();
}

void ProjectFoldersWatcher::watch(const QString& root)
{
    stopGathering();
    qDeleteAll(watchers);
    watchers.clear();
    walked = false;
    gathering = true;
    QThread* const home = thread();
    gatherer.reset(QThread::create([this, root, home] { gather(root, home); }));
    gatherer->start();
}

QStringList ProjectFoldersWatcher::directories() const
{
    QStringList folders;
    for (const QFileSystemWatcher* watcher : watchers)
        folders += watcher->directories();
    return folders;
}

bool ProjectFoldersWatcher::isGathering() const
{
    return gathering;
}

// Watchers of a stopped walk that the window has not taken yet go with it.
void ProjectFoldersWatcher::stopGathering()
{
    gathering = false;
    if (!gatherer)
        return;
    gatherer->requestInterruption();
    gatherer->wait();
    gatherer.reset();
    QMutexLocker locker(&handedOverLock);
    qDeleteAll(handedOver);
    handedOver.clear();
}

// Without the Hidden filter the iterator neither lists nor enters folders whose names begin
// with ".".
void ProjectFoldersWatcher::gather(const QString& root, QThread* home)
{
    std::unique_ptr<QFileSystemWatcher> watcher = newWatcher();
    int watched = 0;
    QStringList batch;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (QThread::currentThread()->isInterruptionRequested())
            return;
        batch << it.next();
        if (batch.size() < batchSize)
            continue;
        watcher->addPaths(batch);
        watched += batch.size();
        batch.clear();
        if (watched + batchSize > foldersPerWatcher) {
            handOver(std::exchange(watcher, newWatcher()), home, false);
            watched = 0;
        }
    }
    if (!batch.isEmpty())
        watcher->addPaths(batch);
    handOver(std::move(watcher), home, true);
}

// Connected before it is handed over, so that no change between the two goes unreported.
std::unique_ptr<QFileSystemWatcher> ProjectFoldersWatcher::newWatcher()
{
    auto watcher = std::make_unique<QFileSystemWatcher>();
    connect(watcher.get(), &QFileSystemWatcher::directoryChanged, this, &ProjectFoldersWatcher::directoryChanged);
    return watcher;
}

void ProjectFoldersWatcher::handOver(std::unique_ptr<QFileSystemWatcher> watcher, QThread* home, bool last)
{
    watcher->moveToThread(home);
    {
        QMutexLocker locker(&handedOverLock);
        handedOver << watcher.release();
        walked = last;
    }
    QMetaObject::invokeMethod(this, &ProjectFoldersWatcher::receive, Qt::QueuedConnection);
}

void ProjectFoldersWatcher::receive()
{
    QMutexLocker locker(&handedOverLock);
    for (QFileSystemWatcher* watcher : qAsConst(handedOver)) {
        watcher->setParent(this);
        watchers << watcher;
    }
    handedOver.clear();
    if (!walked || !gathering)
        return;
    gathering = false;
    locker.unlock();
    emit gathered();
}
