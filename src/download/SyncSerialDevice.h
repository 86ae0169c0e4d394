#pragma once

#include "SerialSettings.h"

#include <QIODevice>

namespace Ks {

// A port whose reads and writes block. A read waits at most the read time-out given to
// openPort: it returns the bytes already waiting, or the first bytes to arrive, or 0 when none
// came in time; -1 means the port failed (the other end hung up, the device vanished). The
// worker thread is its only user while it is open.
class SyncSerialDevice : public QIODevice
{
public:
    using QIODevice::QIODevice;

    bool isSequential() const override;
    // Applies the set fields of settings() onto the port's current configuration.
    virtual bool openPort(OpenMode mode, int readTimeout, int writeTimeout) = 0;
    // Called from another thread while a read or write may be waiting: that wait ends at once
    // (a read returns what is already there, or 0), and so does every later one until the
    // port is opened again. Lets a stop take effect without sitting out a read time-out.
    virtual void interruptWaits() = 0;

    void setSettings(const SerialSettings& settings);
    const SerialSettings& settings() const;
    // The last openPort failed because the user may not use the port, which no replugging or
    // switching on mends.
    bool isAccessDenied() const;

protected:
    void setAccessDenied(bool denied);

private:
    SerialSettings lineSettings;
    bool accessDenied = false;
};

} // namespace Ks
