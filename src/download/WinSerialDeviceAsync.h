#pragma once

#include "SerialSettings.h"

#include <QIODevice>

namespace Ks {

class SyncSerialDevice;
class WorkerThread;

// The port as the window uses it: reads and writes never block, received bytes are announced
// with readyRead(), a silent read time-out with readTimeOut(), sent bytes with bytesWritten().
// A failed read, as after a hang-up, is announced with readFailed(), never as a silence.
// write() only queues and returns 0. One object serves one download; it is not reopened.
class WinSerialDeviceAsync : public QIODevice
{
    Q_OBJECT

public:
    static constexpr int DefaultReadTimeout = 110;
    static constexpr int WriteTimeoutConstant = 110;

    // The port at `path` (for example /dev/ttyUSB0).
    WinSerialDeviceAsync(QObject* parent, const QString& path);
    // Drives `device`, which it takes over.
    WinSerialDeviceAsync(QObject* parent, SyncSerialDevice* device);
    ~WinSerialDeviceAsync() override;

    void setSettings(const SerialSettings& settings);
    // Everything received and not read yet, also after close(): the worker's last pass may
    // have read bytes that were never announced.
    QByteArray takeUnread();

    bool isSequential() const override;
    // Returns promptly: the worker's wait on the line is interrupted, not sat out.
    void close() override;
    bool atEnd() const override;
    qint64 bytesAvailable() const override;
    bool canReadLine() const override;
    bool waitForReadyRead(int msecs) override;
    bool waitForBytesWritten(int msecs) override;
    // Opens with the default read time-out of a download.
    bool open(OpenMode mode) override;
    // False when already running or when the port cannot be opened (see errorString()).
    virtual bool open(OpenMode mode, int readTimeout);
    // After a failed open: the user may not use the port (see SyncSerialDevice).
    bool isAccessDenied() const;

signals:
    void readTimeOut();
    void readFailed();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    SyncSerialDevice* device;
    WorkerThread* worker;
};

} // namespace Ks
