#include "DownloadJob.h"

#include "DownloadBytes.h"
#include "DownloadProtocol.h"
#include "WinSerialDeviceAsync.h"

DownloadJob::DownloadJob(QObject* parent)
    : QObject(parent)
{
}

DownloadJob::~DownloadJob()
{
    // Stops the worker and releases the port before the listener goes.
    delete device;
}

bool DownloadJob::start(Ks::WinSerialDeviceAsync* port, int readTimeout)
{
    stop();
    device = port;
    device->setParent(this);
    bytes.clear();
    anyReceived = false;
    characters = 0;
    extended = 0;
    connect(device, &QIODevice::readyRead, this, &DownloadJob::readAvailable);
    connect(device, &Ks::WinSerialDeviceAsync::readTimeOut, this, &DownloadJob::silence);
    connect(device, &Ks::WinSerialDeviceAsync::readFailed, this, &DownloadJob::failure);
    if (!device->open(QIODevice::ReadWrite, readTimeout)) {
        deniedAccess = device->isAccessDenied();
        stop();
        return false;
    }
    deniedAccess = false;
    // Both go out on the worker's next pass; the tester answers only once the user starts it.
    device->write(DownloadProtocol::remoteCommand());
    device->write(DownloadProtocol::memoryCommand());
    return true;
}

void DownloadJob::stop()
{
    if (!device)
        return;
    device->disconnect(this);
    device->close();
    // The worker's last pass may have read bytes it never got to announce.
    const QByteArray unread = device->takeUnread();
    if (!unread.isEmpty())
        take(unread);
    // Later, not now: this may run inside one of the device's own signals.
    device->deleteLater();
    device = nullptr;
}

bool DownloadJob::isRunning() const
{
    return device != nullptr;
}

bool DownloadJob::accessDenied() const
{
    return deniedAccess;
}

const QByteArray& DownloadJob::received() const
{
    return bytes;
}

bool DownloadJob::receivedAny() const
{
    return anyReceived;
}

qint32 DownloadJob::characterCount() const
{
    return characters;
}

quint32 DownloadJob::extendedCount() const
{
    return extended;
}

void DownloadJob::readAvailable()
{
    const QByteArray chunk = device->readAll();
    if (!chunk.isEmpty())
        take(chunk);
}

void DownloadJob::take(const QByteArray& chunk)
{
    anyReceived = true;
    characters += chunk.size();
    extended += quint32(DownloadBytes::extendedCount(chunk));
    bytes.append(chunk);
    emit chunkReceived(chunk);
}

void DownloadJob::silence()
{
    // Until the first byte the user may take as long as needed to start the tester.
    if (!anyReceived)
        return;
    stop();
    emit transferEnded();
}

void DownloadJob::failure()
{
    // Before the first byte the tester may not be started yet: the wait goes on as after a silence.
    if (!anyReceived)
        return;
    stop();
    emit lineLost();
}
