#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>

#include <memory>

class QFileSystemWatcher;
class QThread;

// Watches every folder below the projects root at any depth (not the root itself, nor folders
// whose names begin with "."), so that a document whose file vanished can be closed. The folders
// are gathered, and their watches set, on a thread of their own: each watch costs a look at the
// disk and a call into the system, and a projects folder of many thousand folders would
// otherwise hold up the window. The window merely takes each file-system watcher once it is full.
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
    // Run on the gathering thread.
    void gather(const QString& root, QThread* home);
    std::unique_ptr<QFileSystemWatcher> newWatcher();
    void handOver(std::unique_ptr<QFileSystemWatcher> watcher, QThread* home, bool last);
    // Takes in the watchers handed over so far.
    void receive();

    // A file-system watcher looks through all its folders before it takes another, so each
    // watches a share of them only.
    QList<QFileSystemWatcher*> watchers;
    std::unique_ptr<QThread> gatherer;
    // Filled by the gathering thread, emptied by the window's.
    QMutex handedOverLock;
    QList<QFileSystemWatcher*> handedOver;
    bool walked = false;
    bool gathering = false;
};
