#pragma once

#include "SerialPortInfo.h"

#include <QList>
#include <QString>

// Lists the serial ports present on this machine from the kernel's tty class: every terminal
// with hardware behind it (ttyS with a driver and a UART, ttyUSB, ttyACM, ttyAMA, ...) and the
// Bluetooth serial ports, never virtual consoles or pseudo-terminals. The order is the kernel's
// own, by device number, so ttyS2 comes before ttyS10.
class PortEnumerator
{
public:
    static QList<SerialPortInfo> enumeratePorts(const QString& ttyClassFolder = QStringLiteral("/sys/class/tty"),
                                                const QString& deviceFolder = QStringLiteral("/dev"));

private:
    static bool isSerialPort(const QString& name, const QString& ttyFolder);
    // major * 2^20 + minor from the "dev" file; entries without one go last.
    static quint64 deviceNumber(const QString& ttyFolder);
    static SerialPortInfo describe(const QString& name, const QString& deviceLink, const QString& deviceFolder);
    static QString readLine(const QString& path);
};
