#include "ScriptedSerialDevice.h"

bool ScriptedSerialDevice::openPort(OpenMode mode, int readTimeout, int)
{
    QMutexLocker locker(&mutex);
    ++opens;
    if (refuseOpen) {
        setErrorString(QStringLiteral("refused"));
        return false;
    }
    this->readTimeout = readTimeout;
    interrupting = false;
    return QIODevice::open(mode | Unbuffered);
}

void ScriptedSerialDevice::close()
{
    QMutexLocker locker(&mutex);
    ++closes;
    QIODevice::close();
}

void ScriptedSerialDevice::interruptWaits()
{
    QMutexLocker locker(&mutex);
    interrupting = true;
    if (!interruptChunk.isEmpty())
        chunks.enqueue(interruptChunk);
    interruptChunk.clear();
    interrupted.wakeAll();
}

void ScriptedSerialDevice::setChunkOnInterrupt(const QByteArray& chunk)
{
    QMutexLocker locker(&mutex);
    interruptChunk = chunk;
}

void ScriptedSerialDevice::addChunk(const QByteArray& chunk)
{
    QMutexLocker locker(&mutex);
    chunks.enqueue(chunk);
}

void ScriptedSerialDevice::setFailingReads(bool failing)
{
    QMutexLocker locker(&mutex);
    failingReads = failing;
}

void ScriptedSerialDevice::failNextWrites(int count)
{
    QMutexLocker locker(&mutex);
    writeFailures = count;
}

void ScriptedSerialDevice::setWriteLimit(int bytes)
{
    QMutexLocker locker(&mutex);
    writeLimit = bytes;
}

void ScriptedSerialDevice::setRefuseOpen(bool refuse)
{
    QMutexLocker locker(&mutex);
    refuseOpen = refuse;
}

QByteArray ScriptedSerialDevice::written() const
{
    QMutexLocker locker(&mutex);
    return sent;
}

int ScriptedSerialDevice::readCalls() const
{
    QMutexLocker locker(&mutex);
    return reads;
}

int ScriptedSerialDevice::openCalls() const
{
    QMutexLocker locker(&mutex);
    return opens;
}

int ScriptedSerialDevice::closeCalls() const
{
    QMutexLocker locker(&mutex);
    return closes;
}

qint64 ScriptedSerialDevice::readData(char* data, qint64 maxSize)
{
    QMutexLocker locker(&mutex);
    ++reads;
    if (!chunks.isEmpty())
        return takeChunk(data, maxSize);
    if (failingReads)
        return -1;
    if (!interrupting)
        interrupted.wait(&mutex, ulong(readTimeout));
    return takeChunk(data, maxSize);
}

qint64 ScriptedSerialDevice::takeChunk(char* data, qint64 maxSize)
{
    if (chunks.isEmpty())
        return 0;
    QByteArray& chunk = chunks.head();
    const int count = int(qMin<qint64>(maxSize, chunk.size()));
    memcpy(data, chunk.constData(), size_t(count));
    chunk.remove(0, count);
    if (chunk.isEmpty())
        chunks.dequeue();
    return count;
}

qint64 ScriptedSerialDevice::writeData(const char* data, qint64 size)
{
    QMutexLocker locker(&mutex);
    if (writeFailures > 0) {
        --writeFailures;
        return -1;
    }
    const int count = int(qMin<qint64>(size, writeLimit));
    sent.append(data, count);
    return count;
}
