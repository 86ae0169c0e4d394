#include "ProjectFoldersWatcher.h"

#include <QDirIterator>
#include <QFileSystemWatcher>
#include <QThread>

namespace {
// Small enough that adding one batch to the watcher never holds up the window noticeably.
constexpr int batchSize = 256;
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
    delete watcher;
    watcher = new QFileSystemWatcher(this);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &ProjectFoldersWatcher::directoryChanged);
    const int walk = ++currentWalk;
    gathering = true;
    gatherer.reset(QThread::create([this, root, walk] { gather(root, walk); }));
    gatherer->start();
}

QStringList ProjectFoldersWatcher::directories() const
{
    return watcher ? watcher->directories() : QStringList();
}

bool ProjectFoldersWatcher::isGathering() const
{
    return gathering;
}

void ProjectFoldersWatcher::stopGathering()
{
    if (!gatherer)
        return;
    gatherer->requestInterruption();
    gatherer->wait();
    gatherer.reset();
    gathering = false;
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
        this, [this, folders, walk, last] { addFolders(folders, walk, last); }, Qt::QueuedConnection);
}

void ProjectFoldersWatcher::addFolders(const QStringList& folders, int walk, bool last)
{
    if (walk != currentWalk)
        return;
    if (!folders.isEmpty())
        watcher->addPaths(folders);
    if (!last)
        return;
    gathering = false;
    emit gathered();
}
