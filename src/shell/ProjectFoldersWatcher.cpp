#include "ProjectFoldersWatcher.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QThread>

namespace {
// Taking in a batch costs its size times the folders of the watcher that takes it, and a slow
// disk makes each folder dearer; so batches are small, and taken only until a slice of time is
// up, when the window answers before the next ones. The folders a watcher holds keep the watchers
// few enough for the system's limit on them (128 a user on Linux) even with a hundred thousand
// folders.
constexpr int batchSize = 16;
constexpr qint64 sliceNanoseconds = 2'000'000;
constexpr int foldersPerWatcher = 2048;
} // namespace

ProjectFoldersWatcher::ProjectFoldersWatcher(QObject* parent)
    : QObject(parent)
{
    batchTimer.setInterval(0);
    connect(&batchTimer, &QTimer::timeout, this, &ProjectFoldersWatcher::watchNextBatch);
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
    waiting.clear();
    walked = false;
    gathering = true;
    const int walk = ++currentWalk;
    gatherer.reset(QThread::create([this, root, walk] { gather(root, walk); }));
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

void ProjectFoldersWatcher::stopGathering()
{
    batchTimer.stop();
    gathering = false;
    if (!gatherer)
        return;
    gatherer->requestInterruption();
    gatherer->wait();
    gatherer.reset();
}

// Without the Hidden filter the iterator neither lists nor enters folders whose names begin
// with ".".
void ProjectFoldersWatcher::gather(const QString& root, int walk)
{
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (QThread::currentThread()->isInterruptionRequested())
            return;
        folders << it.next();
        if (folders.size() == batchSize) {
            handOver(folders, walk, false);
            folders.clear();
        }
    }
    handOver(folders, walk, true);
}

void ProjectFoldersWatcher::handOver(const QStringList& folders, int walk, bool last)
{
    QMetaObject::invokeMethod(
        this, [this, folders, walk, last] { receive(folders, walk, last); }, Qt::QueuedConnection);
}

void ProjectFoldersWatcher::receive(const QStringList& folders, int walk, bool last)
{
    if (walk != currentWalk)
        return;
    waiting += folders;
    walked = last;
    batchTimer.start();
}

void ProjectFoldersWatcher::watchNextBatch()
{
    QElapsedTimer slice;
    slice.start();
    while (!waiting.isEmpty() && slice.nsecsElapsed() < sliceNanoseconds) {
        const QStringList batch = waiting.mid(0, batchSize);
        waiting.erase(waiting.begin(), waiting.begin() + batch.size());
        watcherWithRoom()->addPaths(batch);
    }
    if (!waiting.isEmpty())
        return;
    batchTimer.stop();
    if (!walked)
        return;
    gathering = false;
    emit gathered();
}

QFileSystemWatcher* ProjectFoldersWatcher::watcherWithRoom()
{
    if (watchers.isEmpty() || watchers.last()->directories().size() + batchSize > foldersPerWatcher) {
        auto* watcher = new QFileSystemWatcher(this);
        connect(watcher, &QFileSystemWatcher::directoryChanged, this, &ProjectFoldersWatcher::directoryChanged);
        watchers.append(watcher);
    }
    return watchers.last();
}
