#pragma once

#include "SyncSerialDevice.h"

#include <QByteArray>
#include <QMutex>
#include <QQueue>
#include <QWaitCondition>

// A synchronous port for tests: hands out queued chunks, waits out the read time-out when none
// is queued (as a silent line does) unless interrupted, and records what was written.
class ScriptedSerialDevice : public Ks::SyncSerialDevice
{
public:
    bool openPort(OpenMode mode, int readTimeout, int writeTimeout) override;
    void close() override;
    void interruptWaits() override;

    void addChunk(const QByteArray& chunk);
    void setFailingReads(bool failing);
    void failNextWrites(int count);
    // At most this many bytes per write call.
    void setWriteLimit(int bytes);
    void setRefuseOpen(bool refuse);
    // Bytes that arrive just as the wait is interrupted, as a line may deliver them during a stop.
    void setChunkOnInterrupt(const QByteArray& chunk);

    QByteArray written() const;
    int readCalls() const;
    int openCalls() const;
    int closeCalls() const;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    // Called with the mutex held.
    qint64 takeChunk(char* data, qint64 maxSize);

    mutable QMutex mutex;
    QWaitCondition interrupted;
    bool interrupting = false;
    QByteArray interruptChunk;
    QQueue<QByteArray> chunks;
    QByteArray sent;
    bool failingReads = false;
    bool refuseOpen = false;
    int writeFailures = 0;
    int writeLimit = 1 << 20;
    int readTimeout = 0;
    int reads = 0;
    int opens = 0;
    int closes = 0;
};
