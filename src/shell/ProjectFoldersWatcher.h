#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class QFileSystemWatcher;
class QThread;

// Watches every folder below the projects root at any depth (not the root itself, nor folders
// whose names begin with "."), so that a document whose file vanished can be closed. The folders
// are gathered on a thread of their own and taken a few milliseconds' worth at a time, whenever
// the window has nothing else to do: a projects folder of many thousand folders would otherwise hold
// up the window.
class ProjectFoldersWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ProjectFoldersWatcher(QObject* parent = nullptr);
    ~ProjectFoldersWatcher() override;

    // Forgets the folders watched so far and starts gathering those below `root`.
    void watch(const QString& root);
    QStringList directories() const;
    bool isGathering() const;

signals:
    void directoryChanged(const QString& path);
    // Every folder below the root is watched now.
    void gathered();

private:
    void stopGathering();
    // Runs on the gathering thread.
    void gather(const QString& root, int walk);
    void handOver(const QStringList& folders, int walk, bool last);
    void receive(const QStringList& folders, int walk, bool last);
    void watchNextBatch();
    QFileSystemWatcher* watcherWithRoom();

    // A file-system watcher looks through all its folders before it takes another, so each
    // watches a share of them only.
    QList<QFileSystemWatcher*> watchers;
    std::unique_ptr<QThread> gatherer;
    QStringList waiting;
    QTimer batchTimer;
    // Numbers the walks, so that a batch still on its way from a walk that was stopped is dropped.
    int currentWalk = 0;
    bool walked = false;
    bool gathering = false;
};
