#include "WindowsPortNames.h"

#include <QRegularExpression>

namespace {
const QString devicePrefix = QStringLiteral("\\\\.\\");
}

int WindowsPortNames::comNumber(const QString& portName)
{
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)"));
    const QRegularExpressionMatch match = com.match(portName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString WindowsPortNames::listPath(const QString& portName)
{
    return comNumber(portName) < 10 ? portName : devicePrefix + portName;
}

QString WindowsPortNames::openPath(const QString& portName)
{
    return portName.startsWith(devicePrefix) ? portName : devicePrefix + portName;
}

void WindowsPortNames::parseHardwareId(const QString& hardwareId, qint32& vendorId, qint32& productId)
{
    static const QRegularExpression ids(QStringLiteral("VID_(\\w+)&PID_(\\w+)"));
    const QRegularExpressionMatch match = ids.match(hardwareId.toUpper());
    vendorId = match.hasMatch() ? qint32(match.captured(1).toUInt(nullptr, 16)) : 0;
    productId = match.hasMatch() ? qint32(match.captured(2).toUInt(nullptr, 16)) : 0;
}

QList<SerialPortInfo> WindowsPortNames::comPortsOnly(const QList<SerialPortInfo>& ports)
{
    QList<SerialPortInfo> kept;
    for (const SerialPortInfo& port : ports) {
        if (comNumber(port.portName) >= 0)
            kept.append(port);
    }
    return kept;
}
