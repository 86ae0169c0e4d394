#include "PortEnumerator.h"
#include "SerialSettings.h"
#include "TermiosLine.h"
#include "TestMain.h"
#include "WindowsPortNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/ioctl.h>

namespace {
void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void link(const QString& target, const QString& linkPath)
{
    QDir().mkpath(target);
    QDir().mkpath(QFileInfo(linkPath).path());
    QVERIFY(QFile::link(target, linkPath));
}

termios sevenEvenTwoWithEcho()
{
    termios line {};
    line.c_cflag = CS7 | PARENB | CSTOPB;
    line.c_iflag = IXON | ICRNL;
    line.c_lflag = ECHO | ICANON;
    line.c_oflag = OPOST;
    cfsetispeed(&line, B1200);
    cfsetospeed(&line, B1200);
    return line;
}
} // namespace

class SerialRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void comPortPaths_data();
    void comPortPaths();
    void nonComEntriesAreDropped();
    void hardwareIds_data();
    void hardwareIds();
    void onlySetFieldsChangeTheConfiguration();
    void fieldsAreCutToTheirWidth();
    void downloadLineBecomesRawNineSixHundredEightNOne();
    void unsetFieldsKeepThePortsFraming();
    void impossibleSettingsAreRefused();
    void modemLinesFollowTheControlModes();
    void enumerationListsSerialPortsInKernelOrder();
};

void SerialRulesTest::comPortPaths_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("opened");
    QTest::newRow("COM1") << "COM1" << "COM1" << "\\\\.\\COM1";
    QTest::newRow("COM9") << "COM9" << "COM9" << "\\\\.\\COM9";
    QTest::newRow("COM10") << "COM10" << "\\\\.\\COM10" << "\\\\.\\COM10";
    QTest::newRow("COM123") << "COM123" << "\\\\.\\COM123" << "\\\\.\\COM123";
    QTest::newRow("already prefixed") << "\\\\.\\COM4" << "\\\\.\\COM4" << "\\\\.\\COM4";
}

void SerialRulesTest::comPortPaths()
{
    QFETCH(QString, portName);
    QFETCH(QString, listed);
    QFETCH(QString, opened);
    QCOMPARE(WindowsPortNames::listPath(portName), listed);
    QCOMPARE(WindowsPortNames::openPath(WindowsPortNames::listPath(portName)), opened);
}

void SerialRulesTest::nonComEntriesAreDropped()
{
    SerialPortInfo printer;
    printer.portName = QStringLiteral("LPT1");
    SerialPortInfo modem;
    modem.portName = QStringLiteral("COM3");
    SerialPortInfo lowerCase;
    lowerCase.portName = QStringLiteral("com4");
    const QList<SerialPortInfo> kept = WindowsPortNames::comPortsOnly({ printer, modem, lowerCase });
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept.first().portName, QStringLiteral("COM3"));
    QCOMPARE(WindowsPortNames::comNumber(QStringLiteral("LPT1")), -1);
}

void SerialRulesTest::hardwareIds_data()
{
    QTest::addColumn<QString>("hardwareId");
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");
    QTest::newRow("usb, lower case") << "usb\\vid_0403&pid_6001&rev_0600" << 0x0403 << 0x6001;
    QTest::newRow("usb, upper case") << "USB\\VID_067B&PID_2303" << 0x067B << 0x2303;
    QTest::newRow("no usb numbers") << "ACPI\\PNP0501" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
}

void SerialRulesTest::hardwareIds()
{
    QFETCH(QString, hardwareId);
    QFETCH(int, vendor);
    QFETCH(int, product);
    qint32 vendorId = -1;
    qint32 productId = -1;
    WindowsPortNames::parseHardwareId(hardwareId, vendorId, productId);
    QCOMPARE(vendorId, vendor);
    QCOMPARE(productId, product);
}

void SerialRulesTest::onlySetFieldsChangeTheConfiguration()
{
    SerialSettings current;
    current.set(SerialSettings::BaudRate, 1200);
    current.set(SerialSettings::ByteSize, 7);
    current.set(SerialSettings::XonLim, 2048);

    SerialSettings wanted;
    QCOMPARE(wanted.changeMask(), 0u);
    wanted.set(SerialSettings::BaudRate, 9600);
    wanted.set(SerialSettings::Parity, 0);
    QCOMPARE(wanted.changeMask(), (1u << SerialSettings::BaudRate) | (1u << SerialSettings::Parity));
    QVERIFY(!wanted.isSet(SerialSettings::ByteSize));

    const SerialSettings applied = wanted.appliedTo(current);
    QCOMPARE(applied.value(SerialSettings::BaudRate), 9600u);
    QCOMPARE(applied.value(SerialSettings::Parity), 0u);
    QCOMPARE(applied.value(SerialSettings::ByteSize), 7u);
    QCOMPARE(applied.value(SerialSettings::XonLim), 2048u);
}

void SerialRulesTest::fieldsAreCutToTheirWidth()
{
    SerialSettings settings;
    settings.set(SerialSettings::fDtrControl, 5);
    settings.set(SerialSettings::fBinary, 2);
    settings.set(SerialSettings::XoffLim, 0x12345);
    settings.set(SerialSettings::XonChar, 0x111);
    QCOMPARE(settings.value(SerialSettings::fDtrControl), 1u);
    QCOMPARE(settings.value(SerialSettings::fBinary), 0u);
    QCOMPARE(settings.value(SerialSettings::XoffLim), 0x2345u);
    QCOMPARE(settings.value(SerialSettings::XonChar), 0x11u);
}

void SerialRulesTest::downloadLineBecomesRawNineSixHundredEightNOne()
{
    SerialSettings settings;
    settings.set(SerialSettings::BaudRate, 9600);
    settings.set(SerialSettings::ByteSize, 8);
    settings.set(SerialSettings::Parity, 0);
    settings.set(SerialSettings::StopBits, 0);
    settings.set(SerialSettings::fOutX, 0);
    settings.set(SerialSettings::fInX, 0);
    settings.set(SerialSettings::fOutxCtsFlow, 0);
    settings.set(SerialSettings::XonChar, 0x11);
    settings.set(SerialSettings::XoffChar, 0x13);

    termios line = sevenEvenTwoWithEcho();
    QVERIFY(TermiosLine::apply(settings, line));
    QCOMPARE(cfgetispeed(&line), speed_t(B9600));
    QCOMPARE(cfgetospeed(&line), speed_t(B9600));
    QCOMPARE(line.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(line.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    QCOMPARE(line.c_iflag & (IXON | IXOFF | ICRNL), tcflag_t(0));
    QCOMPARE(line.c_lflag & (ECHO | ICANON), tcflag_t(0));
    QCOMPARE(line.c_oflag & OPOST, tcflag_t(0));
    QCOMPARE(line.c_cc[VSTART], cc_t(0x11));
    QCOMPARE(line.c_cc[VSTOP], cc_t(0x13));
    QCOMPARE(line.c_cc[VMIN], cc_t(0));
}

void SerialRulesTest::unsetFieldsKeepThePortsFraming()
{
    SerialSettings settings;
    settings.set(SerialSettings::BaudRate, 19200);
    termios line = sevenEvenTwoWithEcho();
    QVERIFY(TermiosLine::apply(settings, line));
    QCOMPARE(line.c_cflag & CSIZE, tcflag_t(CS7));
    QCOMPARE(line.c_cflag & (PARENB | CSTOPB), tcflag_t(PARENB | CSTOPB));
    QCOMPARE(line.c_iflag & IXON, tcflag_t(IXON));
    QCOMPARE(line.c_lflag & ECHO, tcflag_t(0));

    termios untouched = sevenEvenTwoWithEcho();
    QVERIFY(TermiosLine::apply(SerialSettings(), untouched));
    QCOMPARE(cfgetospeed(&untouched), speed_t(B1200));
}

void SerialRulesTest::impossibleSettingsAreRefused()
{
    for (auto [field, value] : { std::pair { SerialSettings::BaudRate, 12345u }, { SerialSettings::ByteSize, 9u },
                                 { SerialSettings::Parity, 5u }, { SerialSettings::StopBits, 3u } }) {
        SerialSettings settings;
        settings.set(field, value);
        termios line = sevenEvenTwoWithEcho();
        QVERIFY2(!TermiosLine::apply(settings, line), qPrintable(QString::number(field)));
    }
}

void SerialRulesTest::modemLinesFollowTheControlModes()
{
    SerialSettings on;
    on.set(SerialSettings::fDtrControl, 1);
    on.set(SerialSettings::fRtsControl, 1);
    QCOMPARE(TermiosLine::linesToRaise(on), TIOCM_DTR | TIOCM_RTS);
    QCOMPARE(TermiosLine::linesToDrop(on), 0);

    SerialSettings off;
    off.set(SerialSettings::fDtrControl, 0);
    QCOMPARE(TermiosLine::linesToRaise(off), 0);
    QCOMPARE(TermiosLine::linesToDrop(off), TIOCM_DTR);
    QCOMPARE(TermiosLine::linesToDrop(SerialSettings()), 0);
}

void SerialRulesTest::enumerationListsSerialPortsInKernelOrder()
{
    QTemporaryDir sys;
    const QString devices = sys.filePath(QStringLiteral("devices"));
    const QString tty = sys.filePath(QStringLiteral("class/tty"));
    // A USB adapter: the ids sit on the USB device two levels above the tty's device.
    const QString usbDevice = devices + QStringLiteral("/pci0/usb1/1-1");
    writeFile(usbDevice + QStringLiteral("/idVendor"), "0403\n");
    writeFile(usbDevice + QStringLiteral("/idProduct"), "6001\n");
    writeFile(usbDevice + QStringLiteral("/product"), "FT232R USB UART\n");
    link(usbDevice + QStringLiteral("/1-1:1.0/ttyUSB0"), tty + QStringLiteral("/ttyUSB0/device"));
    link(devices + QStringLiteral("/bus/usb-serial"), usbDevice + QStringLiteral("/1-1:1.0/ttyUSB0/subsystem"));
    writeFile(tty + QStringLiteral("/ttyUSB0/dev"), "188:0\n");
    // A modem of the ACM class.
    link(devices + QStringLiteral("/pci0/usb2/2-1/2-1:1.0"), tty + QStringLiteral("/ttyACM0/device"));
    writeFile(tty + QStringLiteral("/ttyACM0/dev"), "166:0\n");
    // On-board UARTs: two that answered, one the kernel created without hardware, one without driver.
    link(devices + QStringLiteral("/drivers/serial"), devices + QStringLiteral("/platform/serial8250/driver"));
    for (const char* uart : { "ttyS10", "ttyS2" }) {
        link(devices + QStringLiteral("/platform/serial8250"), tty + QLatin1Char('/') + QLatin1String(uart) + QStringLiteral("/device"));
        writeFile(tty + QLatin1Char('/') + QLatin1String(uart) + QStringLiteral("/type"), "4\n");
    }
    writeFile(tty + QStringLiteral("/ttyS10/dev"), "4:74\n");
    writeFile(tty + QStringLiteral("/ttyS2/dev"), "4:66\n");
    link(devices + QStringLiteral("/platform/serial8250"), tty + QStringLiteral("/ttyS1/device"));
    writeFile(tty + QStringLiteral("/ttyS1/type"), "0\n");
    link(devices + QStringLiteral("/pnp/00:05"), tty + QStringLiteral("/ttyS3/device"));
    // Other driver families: a board UART, and a Bluetooth port bound before any peer connected.
    link(devices + QStringLiteral("/platform/fe201000.serial"), tty + QStringLiteral("/ttyAMA0/device"));
    writeFile(tty + QStringLiteral("/ttyAMA0/dev"), "204:64\n");
    writeFile(tty + QStringLiteral("/rfcomm0/dev"), "216:0\n");
    // Virtual consoles have no device at all.
    writeFile(tty + QStringLiteral("/tty0/dev"), "4:0\n");

    const QList<SerialPortInfo> ports = PortEnumerator::enumeratePorts(tty, QStringLiteral("/dev"));
    QStringList names;
    for (const SerialPortInfo& port : ports)
        names << port.portName;
    // The kernel's order by device number, not the names' alphabetical order.
    QCOMPARE(names, (QStringList { "ttyS2", "ttyS10", "ttyACM0", "ttyUSB0", "ttyAMA0", "rfcomm0" }));

    const SerialPortInfo& usb = ports.at(3);
    QCOMPARE(usb.shortPath, QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(usb.devicePath, QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(usb.vendorId, 0x0403);
    QCOMPARE(usb.productId, 0x6001);
    QCOMPARE(usb.friendlyName, QStringLiteral("FT232R USB UART (ttyUSB0)"));
    QCOMPARE(usb.enumeratorName, QStringLiteral("usb-serial"));
    QCOMPARE(ports.at(0).vendorId, 0);
    QCOMPARE(ports.at(0).friendlyName, QStringLiteral("ttyS2"));
}

VELTRANO_TEST(SerialRulesTest)
#include "SerialRulesTest.moc"
