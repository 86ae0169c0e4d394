#pragma once

#include "SyncSerialDevice.h"

namespace Ks {

// A serial port of a POSIX terminal (/dev/ttyUSB0, a pseudo-terminal) in raw mode. Reads wait
// with poll for at most the read time-out; a line that hung up reads as a failure, not as
// silence, so callers do not mistake an unplugged adapter for a quiet instrument.
class TermiosSerialDevice : public SyncSerialDevice
{
public:
    explicit TermiosSerialDevice(const QString& path);
    ~TermiosSerialDevice() override;

    bool openPort(OpenMode mode, int readTimeout, int writeTimeout) override;
    void close() override;
    void interruptWaits() override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool configure();
    void setModemLines();
    bool failOpen(int error);
    qint64 fail(const char* operation, int error);
    // poll for `events` for at most `timeout` ms; the revents, 0 on time-out or interruption,
    // -1 on error.
    int waitFor(short events, int timeout);
    void releasePort();

    QString path;
    int fd = -1;
    // An eventfd polled beside the port, so that another thread can cut a wait short.
    int wakeFd = -1;
    int readTimeout = 0;
    int writeTimeout = 0;
};

} // namespace Ks
