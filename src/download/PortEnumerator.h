#pragma once

#include "SerialPortInfo.h"

#include <QList>
#include <QString>

// Lists the serial ports present on this machine from the kernel's tty class: real serial
// hardware only (ttyS with a driver and a UART, ttyUSB, ttyACM), never virtual consoles.
class PortEnumerator
{
public:
    static QList<SerialPortInfo> enumeratePorts(const QString& ttyClassFolder = QStringLiteral("/sys/class/tty"),
                                                const QString& deviceFolder = QStringLiteral("/dev"));

private:
    static bool isSerialHardware(const QString& name, const QString& ttyFolder);
    static SerialPortInfo describe(const QString& name, const QString& deviceLink, const QString& deviceFolder);
    static QString readLine(const QString& path);
};
