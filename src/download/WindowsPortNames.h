#pragma once

#include "SerialPortInfo.h"

#include <QList>
#include <QString>

// The naming rules of serial ports on Windows: which device names are COM ports, the path form
// a port is listed and opened with, and the USB numbers inside a hardware id.
class WindowsPortNames
{
public:
    // The number after "COM" at the start of the name, or -1 when the name is no COM port.
    static int comNumber(const QString& portName);
    // COM1 to COM9 as they are; higher numbers only through the device namespace (\\.\COM10).
    static QString listPath(const QString& portName);
    // The device namespace form every port is opened with.
    static QString openPath(const QString& portName);
    // Reads "VID_xxxx&PID_yyyy" (any letter case) as hexadecimal; 0 and 0 when absent.
    static void parseHardwareId(const QString& hardwareId, qint32& vendorId, qint32& productId);
    // Printer ports and other entries of the ports class are not offered.
    static QList<SerialPortInfo> comPortsOnly(const QList<SerialPortInfo>& ports);
};
