#pragma once

#include <QByteArray>
#include <QObject>

namespace Ks {
class WinSerialDeviceAsync;
}

// One download's receive side: owns the port while the transfer runs, keeps every byte as it
// came and counts it, and tells its listener of each chunk and of the end. The end is the first
// silence after data, or a line that failed after data; before the first byte the job waits as
// long as the user needs to start the tester. When it reports an end, the port is closed already.
class DownloadJob : public QObject
{
    Q_OBJECT

public:
    explicit DownloadJob(QObject* parent = nullptr);
    ~DownloadJob() override;

    // Takes over `device` (set up with its line settings), opens it and sends the two commands.
    // False when the port cannot be opened; accessDenied() then tells whether the user may not
    // use it. Whatever an earlier transfer received is forgotten.
    bool start(Ks::WinSerialDeviceAsync* device, int readTimeout);
    // Closes the port. Bytes the worker read but never announced are still delivered first.
    void stop();
    bool isRunning() const;
    bool accessDenied() const;

    const QByteArray& received() const;
    bool receivedAny() const;
    qint32 characterCount() const;
    quint32 extendedCount() const;

signals:
    void chunkReceived(const QByteArray& chunk);
    // The line fell silent after data: the transfer is complete.
    void transferEnded();
    // The line failed after data, as when the cable is pulled: the data may be incomplete.
    void lineLost();

private:
    void readAvailable();
    void silence();
    void failure();
    void take(const QByteArray& chunk);

    Ks::WinSerialDeviceAsync* device = nullptr;
    bool deniedAccess = false;
    QByteArray bytes;
    bool anyReceived = false;
    qint32 characters = 0;
    quint32 extended = 0;
};
