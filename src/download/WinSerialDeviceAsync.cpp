#include "WinSerialDeviceAsync.h"

#include "TermiosSerialDevice.h"
#include "WorkerThread.h"

namespace Ks {

WinSerialDeviceAsync::WinSerialDeviceAsync(QObject* parent, const QString& path)
    : WinSerialDeviceAsync(parent, new TermiosSerialDevice(path))
{
}

WinSerialDeviceAsync::WinSerialDeviceAsync(QObject* parent, SyncSerialDevice* device)
    : QIODevice(parent)
    , device(device)
    , worker(new WorkerThread(device, this))
{
    connect(worker, &WorkerThread::readyRead, this, &QIODevice::readyRead);
    connect(worker, &WorkerThread::readTimeOut, this, &WinSerialDeviceAsync::readTimeOut);
    connect(worker, &WorkerThread::readFailed, this, &WinSerialDeviceAsync::readFailed);
    connect(worker, &WorkerThread::bytesWritten, this, &QIODevice::bytesWritten);
}

WinSerialDeviceAsync::~WinSerialDeviceAsync()
{
    close();
    delete device;
}

void WinSerialDeviceAsync::setSettings(const SerialSettings& settings)
{
    device->setSettings(settings);
}

QByteArray WinSerialDeviceAsync::takeUnread()
{
    return worker->takeAll();
}

bool WinSerialDeviceAsync::isSequential() const
{
    return true;
}

bool WinSerialDeviceAsync::open(OpenMode mode)
{
    return open(mode, DefaultReadTimeout);
}

bool WinSerialDeviceAsync::open(OpenMode mode, int readTimeout)
{
    if (worker->isRunning())
        return false;
    if (!device->openPort(mode, readTimeout, WriteTimeoutConstant)) {
        setErrorString(device->errorString());
        return false;
    }
    worker->prepare(readTimeout);
    worker->start(QThread::InheritPriority);
    return QIODevice::open(mode | Unbuffered);
}

bool WinSerialDeviceAsync::isAccessDenied() const
{
    return device->isAccessDenied();
}

void WinSerialDeviceAsync::close()
{
    if (!worker->isRunning())
        return;
    QIODevice::close();
    worker->requestStop();
    worker->wait();
    device->close();
}

bool WinSerialDeviceAsync::atEnd() const
{
    return worker->available() == 0;
}

qint64 WinSerialDeviceAsync::bytesAvailable() const
{
    return worker->available() + QIODevice::bytesAvailable();
}

bool WinSerialDeviceAsync::canReadLine() const
{
    return worker->hasLine() || QIODevice::canReadLine();
}

bool WinSerialDeviceAsync::waitForReadyRead(int msecs)
{
    return worker->waitForReadyRead(msecs);
}

bool WinSerialDeviceAsync::waitForBytesWritten(int msecs)
{
    return worker->waitForBytesWritten(msecs);
}

qint64 WinSerialDeviceAsync::readData(char* data, qint64 maxSize)
{
    return worker->take(data, maxSize);
}

qint64 WinSerialDeviceAsync::writeData(const char* data, qint64 size)
{
    worker->queue(data, size);
    return 0;
}

} // namespace Ks
