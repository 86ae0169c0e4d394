#pragma once

#include <QString>

// One serial port found on the machine. Both path fields hold the path the port is opened with;
// the window keeps devicePath as the data of the port list entry.
struct SerialPortInfo
{
    QString portName;
    QString shortPath;
    QString devicePath;
    QString physicalName;
    QString friendlyName;
    QString enumeratorName;
    qint32 vendorId = 0;
    qint32 productId = 0;
};
