#pragma once

#include "AnnouncementGate.h"

#include <QByteArray>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

namespace Ks {

class SyncSerialDevice;

// Does every read and write on the port, so the window never blocks on it. Received bytes wait
// in a buffer that readers empty by offset; bytes to send wait in a queue that the next pass
// sends. Each announcement also passes a gate, so that waitForReadyRead and
// waitForBytesWritten can wait for the next one from another thread.
class WorkerThread : public QThread
{
    Q_OBJECT

public:
    WorkerThread(SyncSerialDevice* device, QObject* parent);

    // Resets the buffer and the stop request; call before start().
    void prepare(int readTimeout);
    // Also cuts short a read or write that is waiting for the line.
    void requestStop();

    qint64 take(char* data, qint64 maxSize);
    QByteArray takeAll();
    qint64 available();
    bool hasLine();
    void queue(const char* data, qint64 size);
    bool waitForReadyRead(int msecs);
    bool waitForBytesWritten(int msecs);

    static constexpr int ReadChunk = 1024;

signals:
    void readyRead();
    void readTimeOut();
    // The line failed, as when the far end hangs up: unlike a silence, data may be missing.
    void readFailed();
    void bytesWritten(qint64 bytes);

protected:
    void run() override;

private:
    bool isStopRequested();
    void sendQueued();
    void receive();
    // Waits one read time-out, or less when asked to stop.
    void pauseAfterFailure();

    SyncSerialDevice* device;
    QByteArray readBuffer;
    int readPos = 0;
    QMutex dataMutex;
    AnnouncementGate readyReadGate;
    bool stopRequested = false;
    QWaitCondition stopCondition;
    QByteArray writeQueue;
    QMutex writeMutex;
    AnnouncementGate writtenGate;
    int readTimeout = 0;
};

} // namespace Ks
