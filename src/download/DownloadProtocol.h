#pragma once

#include "SerialSettings.h"

#include <QByteArray>

class QSettings;

// The conversation with the tester: the line it talks on, the two commands that make it send
// its whole memory, and the silence that marks the end of the transfer.
class DownloadProtocol
{
public:
    static constexpr int DefaultReadTimeout = 110;

    // 9600 baud, 8 data bits, no parity, one stop bit, no flow control, DTR and RTS on.
    static SerialSettings lineSettings();
    static QByteArray remoteCommand();
    static QByteArray memoryCommand();
    // "Device/ReadTimeout"; a missing, unreadable or non-positive value is replaced by the
    // default.
    static int readTimeout(QSettings& settings);
};
