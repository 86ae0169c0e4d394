#include "ScriptedSerialDevice.h"
#include "TestMain.h"
#include "WinSerialDeviceAsync.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
struct Rig
{
    ScriptedSerialDevice* port = new ScriptedSerialDevice;
    std::unique_ptr<Ks::WinSerialDeviceAsync> device { new Ks::WinSerialDeviceAsync(nullptr, port) };
};

qint64 sum(const QSignalSpy& spy)
{
    qint64 total = 0;
    for (const QList<QVariant>& arguments : spy)
        total += arguments.at(0).toLongLong();
    return total;
}
} // namespace

class AsyncDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void readersTakeTheBufferByOffset();
    void writeQueuesAndReportsLater();
    void partialAndFailedWritesSendEveryByteOnce();
    void openingTwiceChangesNothing();
    void refusedOpenStartsNoWorker();
    void closingANeverOpenedDeviceDoesNothing();
    void silentPortTimesOutAboutNineTimesASecond();
    void failingPortPausesBetweenPasses();
    void dataIsAnnouncedBeforeTheFollowingTimeOut();
    void waitForReadyReadWaitsForTheNextChunk();
    void destroyingWhileRunningReleasesThePort();
    void closeCutsTheWaitShortAndKeepsItsBytes();
};

void AsyncDeviceTest::readersTakeTheBufferByOffset()
{
    Rig rig;
    rig.port->addChunk("0123\n56789");
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 50));
    QTRY_COMPARE_WITH_TIMEOUT(rig.device->bytesAvailable(), qint64(10), 5000);
    QVERIFY(rig.device->canReadLine());
    QVERIFY(!rig.device->atEnd());

    QCOMPARE(rig.device->read(3), QByteArray("012"));
    QCOMPARE(rig.device->bytesAvailable(), qint64(7));
    QVERIFY(rig.device->canReadLine());
    QCOMPARE(rig.device->read(2), QByteArray("3\n"));
    QVERIFY(!rig.device->canReadLine());

    char rest[10];
    QCOMPARE(rig.device->read(rest, 10), qint64(5));
    QCOMPARE(QByteArray(rest, 5), QByteArray("56789"));
    QVERIFY(rig.device->atEnd());
    QCOMPARE(rig.device->bytesAvailable(), qint64(0));
    QCOMPARE(rig.device->read(rest, 10), qint64(0));
}

void AsyncDeviceTest::writeQueuesAndReportsLater()
{
    Rig rig;
    QSignalSpy written(rig.device.get(), &QIODevice::bytesWritten);
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 50));
    QCOMPARE(rig.device->write("SYST:REM\r\n"), qint64(0));
    QCOMPARE(rig.device->write("MEM:DATA? ALL\r\n"), qint64(0));
    QTRY_COMPARE_WITH_TIMEOUT(sum(written), qint64(25), 5000);
    QCOMPARE(rig.port->written(), QByteArray("SYST:REM\r\nMEM:DATA? ALL\r\n"));
}

void AsyncDeviceTest::partialAndFailedWritesSendEveryByteOnce()
{
    Rig rig;
    rig.port->setWriteLimit(4);
    rig.port->failNextWrites(1);
    QSignalSpy written(rig.device.get(), &QIODevice::bytesWritten);
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 20));
    rig.device->write("0123456789");
    QTRY_COMPARE_WITH_TIMEOUT(sum(written), qint64(10), 5000);
    QCOMPARE(rig.port->written(), QByteArray("0123456789"));
    QCOMPARE(written.size(), 3);
}

void AsyncDeviceTest::openingTwiceChangesNothing()
{
    Rig rig;
    rig.port->addChunk("kept");
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 50));
    QTRY_COMPARE_WITH_TIMEOUT(rig.device->bytesAvailable(), qint64(4), 5000);
    QVERIFY(!rig.device->open(QIODevice::ReadWrite, 50));
    QCOMPARE(rig.port->openCalls(), 1);
    QCOMPARE(rig.device->readAll(), QByteArray("kept"));
}

void AsyncDeviceTest::refusedOpenStartsNoWorker()
{
    Rig rig;
    rig.port->setRefuseOpen(true);
    QVERIFY(!rig.device->open(QIODevice::ReadWrite, 50));
    QVERIFY(!rig.device->isOpen());
    QCOMPARE(rig.device->errorString(), QStringLiteral("refused"));
    QCOMPARE(rig.port->readCalls(), 0);
}

void AsyncDeviceTest::closingANeverOpenedDeviceDoesNothing()
{
    Rig rig;
    rig.device->close();
    QCOMPARE(rig.port->closeCalls(), 0);
    QVERIFY(!rig.device->isOpen());
}

void AsyncDeviceTest::silentPortTimesOutAboutNineTimesASecond()
{
    Rig rig;
    QSignalSpy timeOuts(rig.device.get(), &Ks::WinSerialDeviceAsync::readTimeOut);
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 110));
    QElapsedTimer elapsed;
    elapsed.start();
    QTest::qWait(1000);
    rig.device->close();
    QTest::qWait(50);
    // At most one a read time-out; a loaded machine may deliver fewer, never many more.
    const int expectedAtMost = int(elapsed.elapsed() / 110) + 1;
    QVERIFY2(timeOuts.size() >= 4 && timeOuts.size() <= expectedAtMost, qPrintable(QString::number(timeOuts.size())));
    QCOMPARE(rig.device->bytesAvailable(), qint64(0));
}

void AsyncDeviceTest::failingPortPausesBetweenPasses()
{
    Rig rig;
    rig.port->setFailingReads(true);
    QSignalSpy timeOuts(rig.device.get(), &Ks::WinSerialDeviceAsync::readTimeOut);
    QSignalSpy failures(rig.device.get(), &Ks::WinSerialDeviceAsync::readFailed);
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 100));
    QTest::qWait(500);
    rig.device->close();
    QVERIFY2(rig.port->readCalls() <= 7, qPrintable(QString::number(rig.port->readCalls())));
    QTRY_VERIFY_WITH_TIMEOUT(failures.size() >= 1, 2000);
    // A dead line is not the silence that ends a complete transfer.
    QCOMPARE(timeOuts.size(), 0);
}

void AsyncDeviceTest::dataIsAnnouncedBeforeTheFollowingTimeOut()
{
    Rig rig;
    QStringList events;
    connect(rig.device.get(), &QIODevice::readyRead, this, [&] { events << QStringLiteral("data:") + rig.device->readAll(); });
    connect(rig.device.get(), &Ks::WinSerialDeviceAsync::readTimeOut, this, [&] { events << QStringLiteral("silence"); });
    rig.port->addChunk("A");
    rig.port->addChunk("B");
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 30));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("silence")), 5000);
    rig.device->close();
    // Both chunks came before the silence: every byte was handed out before its time-out.
    const int silence = events.indexOf(QStringLiteral("silence"));
    QCOMPARE(events.mid(0, silence).join(QString()).remove(QStringLiteral("data:")), QStringLiteral("AB"));
}

void AsyncDeviceTest::waitForReadyReadWaitsForTheNextChunk()
{
    Rig rig;
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 40));
    QTest::qWait(20);
    QVERIFY(!rig.device->waitForReadyRead(150));
    rig.port->addChunk("late");
    QVERIFY(rig.device->waitForReadyRead(5000));
    QCOMPARE(rig.device->readAll(), QByteArray("late"));
}

void AsyncDeviceTest::destroyingWhileRunningReleasesThePort()
{
    auto* port = new ScriptedSerialDevice;
    auto* device = new Ks::WinSerialDeviceAsync(nullptr, port);
    QVERIFY(device->open(QIODevice::ReadWrite, 500));
    QElapsedTimer elapsed;
    elapsed.start();
    delete device;
    // The worker notices the stop within one read time-out.
    QVERIFY(elapsed.elapsed() < 5000);
}

void AsyncDeviceTest::closeCutsTheWaitShortAndKeepsItsBytes()
{
    Rig rig;
    rig.port->setChunkOnInterrupt("last pass");
    QSignalSpy announced(rig.device.get(), &QIODevice::readyRead);
    // A read time-out far longer than any stop may take.
    QVERIFY(rig.device->open(QIODevice::ReadWrite, 60000));
    QTRY_VERIFY_WITH_TIMEOUT(rig.port->readCalls() >= 1, 5000);
    QElapsedTimer elapsed;
    elapsed.start();
    rig.device->close();
    QVERIFY2(elapsed.elapsed() < 10000, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(rig.port->closeCalls(), 1);
    // Read in the worker's last pass: still there for whoever stopped it, announced or not.
    QCOMPARE(rig.device->takeUnread(), QByteArray("last pass"));
    QCOMPARE(rig.device->takeUnread(), QByteArray());
}

VELTRANO_TEST(AsyncDeviceTest)
#include "AsyncDeviceTest.moc"
