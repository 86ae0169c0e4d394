#include "PseudoTerminal.h"
#include "TermiosSerialDevice.h"
#include "TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <thread>

namespace {
SerialSettings downloadLine()
{
    SerialSettings settings;
    settings.set(SerialSettings::BaudRate, 9600);
    settings.set(SerialSettings::ByteSize, 8);
    settings.set(SerialSettings::fDtrControl, 1);
    settings.set(SerialSettings::fRtsControl, 1);
    return settings;
}
} // namespace

class TermiosDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void bytesTravelBothWays();
    void silenceReadsZeroAfterTheTimeOut();
    void hangUpIsAFailedRead();
    void missingPortFailsWithItsPathAndCause();
    void longPathsAreAccepted();
    void interruptedWaitsReturnAtOnceButKeepWaitingBytes();
};

void TermiosDeviceTest::bytesTravelBothWays()
{
    PseudoTerminal line;
    QVERIFY(line.isValid());
    Ks::TermiosSerialDevice port(line.slavePath());
    port.setSettings(downloadLine());
    // A pseudo-terminal has no modem lines: DTR and RTS are tolerated, not fatal.
    QVERIFY2(port.openPort(QIODevice::ReadWrite, 200, 110), qPrintable(port.errorString()));

    QCOMPARE(port.write("SYST:REM\r\n"), qint64(10));
    QCOMPARE(line.receive(10, 3000), QByteArray("SYST:REM\r\n"));

    QVERIFY(line.send(QByteArray("\x80\r\n\x00z", 5)));
    QByteArray received;
    for (int pass = 0; pass < 20 && received.size() < 5; ++pass)
        received += port.read(1024);
    // Raw mode: no CR translation, no NUL dropped, the top bit kept.
    QCOMPARE(received, QByteArray("\x80\r\n\x00z", 5));
}

void TermiosDeviceTest::silenceReadsZeroAfterTheTimeOut()
{
    PseudoTerminal line;
    Ks::TermiosSerialDevice port(line.slavePath());
    QVERIFY(port.openPort(QIODevice::ReadWrite, 150, 110));
    QElapsedTimer elapsed;
    elapsed.start();
    char buffer[16];
    QCOMPARE(port.read(buffer, sizeof buffer), qint64(0));
    QVERIFY(elapsed.elapsed() >= 140);
}

void TermiosDeviceTest::hangUpIsAFailedRead()
{
    PseudoTerminal line;
    Ks::TermiosSerialDevice port(line.slavePath());
    QVERIFY(port.openPort(QIODevice::ReadWrite, 150, 110));
    line.closeMaster();
    char buffer[16];
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("readData failed")));
    QCOMPARE(port.read(buffer, sizeof buffer), qint64(-1));
    QVERIFY(port.errorString().contains(QStringLiteral("readData failed with error")));
}

void TermiosDeviceTest::missingPortFailsWithItsPathAndCause()
{
    Ks::TermiosSerialDevice port(QStringLiteral("/dev/ttyNoSuchPort7"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("open failed")));
    QVERIFY(!port.openPort(QIODevice::ReadWrite, 110, 110));
    QVERIFY(!port.isOpen());
    QCOMPARE(port.errorString(),
             QStringLiteral("TermiosSerialDevice::open failed with error: 2 (No such file or directory) on /dev/ttyNoSuchPort7"));
}

void TermiosDeviceTest::longPathsAreAccepted()
{
    PseudoTerminal line;
    QTemporaryDir folder;
    const QString longPath = folder.filePath(QStringLiteral("a-serial-adapter-with-a-rather-long-name"));
    QVERIFY(QFile::link(line.slavePath(), longPath));
    Ks::TermiosSerialDevice port(longPath);
    QVERIFY(port.openPort(QIODevice::ReadWrite, 110, 110));
}

void TermiosDeviceTest::interruptedWaitsReturnAtOnceButKeepWaitingBytes()
{
    PseudoTerminal line;
    Ks::TermiosSerialDevice port(line.slavePath());
    QVERIFY(port.openPort(QIODevice::ReadWrite, 60000, 110));
    std::thread stopper([&port] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        port.interruptWaits();
    });
    QElapsedTimer elapsed;
    elapsed.start();
    char buffer[16];
    QCOMPARE(port.read(buffer, sizeof buffer), qint64(0));
    stopper.join();
    QVERIFY2(elapsed.elapsed() < 10000, qPrintable(QString::number(elapsed.elapsed())));

    // Interrupted stays interrupted, yet what the line already holds is still read.
    QVERIFY(line.send("tail"));
    QTest::qWait(50);
    QCOMPARE(port.read(buffer, sizeof buffer), qint64(4));
    QCOMPARE(QByteArray(buffer, 4), QByteArray("tail"));
    elapsed.restart();
    QCOMPARE(port.read(buffer, sizeof buffer), qint64(0));
    QVERIFY(elapsed.elapsed() < 10000);

    // Opening again starts without the interruption.
    port.close();
    QVERIFY(port.openPort(QIODevice::ReadWrite, 150, 110));
    elapsed.restart();
    QCOMPARE(port.read(buffer, sizeof buffer), qint64(0));
    QVERIFY(elapsed.elapsed() >= 140);
}

VELTRANO_TEST(TermiosDeviceTest)
#include "TermiosDeviceTest.moc"
