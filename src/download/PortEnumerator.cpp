#include "PortEnumerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVector>

#include <algorithm>
#include <limits>

QList<SerialPortInfo> PortEnumerator::enumeratePorts(const QString& ttyClassFolder, const QString& deviceFolder)
{
    struct Found
    {
        quint64 number;
        SerialPortInfo port;
    };
    QVector<Found> found;
    const QDir ttyClass(ttyClassFolder);
    const QStringList names = ttyClass.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Unsorted);
    for (const QString& name : names) {
        const QString ttyFolder = ttyClass.filePath(name);
        if (isSerialPort(name, ttyFolder))
            found.append({deviceNumber(ttyFolder), describe(name, ttyFolder + QStringLiteral("/device"), deviceFolder)});
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.number < b.number; });
    QList<SerialPortInfo> ports;
    for (const Found& entry : found)
        ports.append(entry.port);
    return ports;
}

bool PortEnumerator::isSerialPort(const QString& name, const QString& ttyFolder)
{
    // A bound Bluetooth port has no device behind it until a peer connects.
    if (name.startsWith(QLatin1String("rfcomm")))
        return true;
    const QString deviceLink = ttyFolder + QStringLiteral("/device");
    if (!QFileInfo(deviceLink).exists())
        return false;
    if (!name.startsWith(QLatin1String("ttyS")))
        return true;
    // The kernel creates ttyS entries for ports that may not exist; type 0 means no UART answered.
    const QString type = readLine(ttyFolder + QStringLiteral("/type"));
    return QFileInfo(deviceLink + QStringLiteral("/driver")).exists() && type != QLatin1String("0");
}

quint64 PortEnumerator::deviceNumber(const QString& ttyFolder)
{
    const QStringList parts = readLine(ttyFolder + QStringLiteral("/dev")).split(QLatin1Char(':'));
    bool majorOk = false;
    bool minorOk = false;
    const quint64 major = parts.value(0).toULongLong(&majorOk);
    const quint64 minor = parts.value(1).toULongLong(&minorOk);
    return majorOk && minorOk ? (major << 20) + minor : std::numeric_limits<quint64>::max();
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
