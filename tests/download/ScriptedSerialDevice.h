#pragma once

#include "SyncSerialDevice.h"

#include <QByteArray>
#include <QMutex>
#include <QQueue>

// A synchronous port for tests: hands out queued chunks, sleeps through the read time-out when
// none is queued (as a silent line does), and records what was written.
class ScriptedSerialDevice : public Ks::SyncSerialDevice
{
public:
    bool openPort(OpenMode mode, int readTimeout, int writeTimeout) override;
    void close() override;

    void addChunk(const QByteArray& chunk);
    void setFailingReads(bool failing);
    void failNextWrites(int count);
    // At most this many bytes per write call.
    void setWriteLimit(int bytes);
    void setRefuseOpen(bool refuse);

    QByteArray written() const;
    int readCalls() const;
    int openCalls() const;
    int closeCalls() const;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    mutable QMutex mutex;
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
