#include "WorkerThread.h"

#include "SyncSerialDevice.h"

namespace Ks {

WorkerThread::WorkerThread(SyncSerialDevice* device, QObject* parent)
    : QThread(parent)
    , device(device)
{
}

void WorkerThread::prepare(int readTimeout)
{
    // Done before the thread starts rather than inside run(): a stop requested right after
    // start must not be wiped out by the thread's own start-up.
    QMutexLocker locker(&dataMutex);
    stopRequested = false;
    readBuffer.clear();
    readPos = 0;
    this->readTimeout = readTimeout;
    readyReadGate.setRunning(true);
    writtenGate.setRunning(true);
}

void WorkerThread::requestStop()
{
    {
        QMutexLocker locker(&dataMutex);
        stopRequested = true;
        stopCondition.wakeAll();
    }
    // A read waiting for the line would otherwise hold the stop up for a whole read time-out.
    device->interruptWaits();
}

qint64 WorkerThread::take(char* data, qint64 maxSize)
{
    QMutexLocker locker(&dataMutex);
    const qint64 count = qMin<qint64>(maxSize, readBuffer.size() - readPos);
    if (count <= 0)
        return 0;
    memcpy(data, readBuffer.constData() + readPos, size_t(count));
    readPos += int(count);
    if (readPos == readBuffer.size()) {
        readBuffer.clear();
        readPos = 0;
    }
    return count;
}

QByteArray WorkerThread::takeAll()
{
    QMutexLocker locker(&dataMutex);
    const QByteArray rest = readBuffer.mid(readPos);
    readBuffer.clear();
    readPos = 0;
    return rest;
}

qint64 WorkerThread::available()
{
    QMutexLocker locker(&dataMutex);
    return readBuffer.size() - readPos;
}

bool WorkerThread::hasLine()
{
    QMutexLocker locker(&dataMutex);
    return readBuffer.indexOf('\n', readPos) >= 0;
}

void WorkerThread::queue(const char* data, qint64 size)
{
    QMutexLocker locker(&writeMutex);
    writeQueue.append(data, int(size));
}

bool WorkerThread::waitForReadyRead(int msecs)
{
    return readyReadGate.waitForNext(msecs);
}

bool WorkerThread::waitForBytesWritten(int msecs)
{
    return writtenGate.waitForNext(msecs);
}

void WorkerThread::run()
{
    while (!isStopRequested()) {
        sendQueued();
        receive();
    }
    writtenGate.setRunning(false);
    readyReadGate.setRunning(false);
}

bool WorkerThread::isStopRequested()
{
    QMutexLocker locker(&dataMutex);
    return stopRequested;
}

void WorkerThread::sendQueued()
{
    QMutexLocker locker(&writeMutex);
    while (!writeQueue.isEmpty()) {
        const qint64 written = device->write(writeQueue.constData(), writeQueue.size());
        // What could not be sent waits for the next pass; what was sent is never sent twice.
        if (written <= 0)
            return;
        emit bytesWritten(written);
        writtenGate.announce();
        writeQueue.remove(0, int(written));
        if (!writeQueue.isEmpty() && isStopRequested())
            return;
    }
}

void WorkerThread::receive()
{
    char chunk[ReadChunk];
    const qint64 count = device->read(chunk, ReadChunk);
    if (count > 0) {
        {
            QMutexLocker locker(&dataMutex);
            readBuffer.append(chunk, int(count));
        }
        emit readyRead();
        readyReadGate.announce();
    }
    if (isStopRequested())
        return;
    if (count == 0)
        emit readTimeOut();
    if (count < 0) {
        emit readFailed();
        // A failed read returns at once; without a pause a dead port would spin the processor.
        pauseAfterFailure();
    }
}

void WorkerThread::pauseAfterFailure()
{
    QMutexLocker locker(&dataMutex);
    if (!stopRequested)
        stopCondition.wait(&dataMutex, ulong(qMax(readTimeout, 1)));
}

} // namespace Ks
