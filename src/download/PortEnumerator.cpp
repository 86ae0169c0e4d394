#include "PortEnumerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QList<SerialPortInfo> PortEnumerator::enumeratePorts(const QString& ttyClassFolder, const QString& deviceFolder)
{
    QList<SerialPortInfo> ports;
    const QDir ttyClass(ttyClassFolder);
    const QStringList names = ttyClass.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : names) {
        const QString ttyFolder = ttyClass.filePath(name);
        if (isSerialHardware(name, ttyFolder))
            ports.append(describe(name, ttyFolder + QStringLiteral("/device"), deviceFolder));
    }
    return ports;
}

bool PortEnumerator::isSerialHardware(const QString& name, const QString& ttyFolder)
{
    const QString deviceLink = ttyFolder + QStringLiteral("/device");
    if (!QFileInfo(deviceLink).exists())
        return false;
    if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
        return true;
    if (!name.startsWith(QLatin1String("ttyS")))
        return false;
    // The kernel creates ttyS entries for ports that may not exist; type 0 means no UART answered.
    const QString type = readLine(ttyFolder + QStringLiteral("/type"));
    return QFileInfo(deviceLink + QStringLiteral("/driver")).exists() && type != QLatin1String("0");
}

SerialPortInfo PortEnumerator::describe(const QString& name, const QString& deviceLink, const QString& deviceFolder)
{
    SerialPortInfo port;
    port.portName = name;
    port.shortPath = QDir(deviceFolder).filePath(name);
    port.devicePath = port.shortPath;
    port.physicalName = QFileInfo(deviceLink).canonicalFilePath();
    port.enumeratorName = QFileInfo(QFileInfo(deviceLink + QStringLiteral("/subsystem")).canonicalFilePath()).fileName();
    port.friendlyName = name;
    // The USB numbers sit on the USB device, some levels above the serial interface.
    for (QDir level(port.physicalName); !port.physicalName.isEmpty() && !level.isRoot() && level.exists(); level.cdUp()) {
        if (level.exists(QStringLiteral("idVendor"))) {
            port.vendorId = qint32(readLine(level.filePath(QStringLiteral("idVendor"))).toUInt(nullptr, 16));
            port.productId = qint32(readLine(level.filePath(QStringLiteral("idProduct"))).toUInt(nullptr, 16));
            const QString product = readLine(level.filePath(QStringLiteral("product")));
            if (!product.isEmpty())
                port.friendlyName = QStringLiteral("%1 (%2)").arg(product, name);
            break;
        }
    }
    return port;
}

QString PortEnumerator::readLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readLine()).trimmed();
}
