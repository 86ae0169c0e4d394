#include "DownloadJob.h"
#include "ScriptedSerialDevice.h"
#include "TestMain.h"
#include "WinSerialDeviceAsync.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int ReadTimeoutMs = 30;
// Long enough that no silence ends a transfer while the test acts on it.
constexpr int PatientReadTimeoutMs = 10000;
const QByteArray commands("SYST:REM\r\nMEM:DATA? ALL\r\n");

// A job over a scripted port; the job owns the port once started and deletes it after the end.
struct JobRig
{
    ScriptedSerialDevice* port = new ScriptedSerialDevice;
    DownloadJob job;
    QSignalSpy chunks { &job, &DownloadJob::chunkReceived };
    QSignalSpy ended { &job, &DownloadJob::transferEnded };
    QSignalSpy lost { &job, &DownloadJob::lineLost };

    bool start(int readTimeout = ReadTimeoutMs)
    {
        return job.start(new Ks::WinSerialDeviceAsync(nullptr, port), readTimeout);
    }
};
} // namespace

class DownloadJobTest : public QObject
{
    Q_OBJECT

private slots:
    void countsKeepsAndAnnouncesEveryChunk();
    void silenceBeforeTheFirstByteKeepsWaiting();
    void stopMidwayKeepsEveryByteAndEndsNothing();
    void refusedPortIsReportedAndReleased();
    void failedLineAfterDataIsNotASilence();
    void nextStartForgetsTheLastTransfer();
};

void DownloadJobTest::countsKeepsAndAnnouncesEveryChunk()
{
    JobRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.job.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(rig.port->written(), commands, 5000);
    rig.port->addChunk(QByteArray("\x41\xC1", 2));
    rig.port->addChunk(QByteArray("\r\n\xFF" "B", 4));
    QTRY_COMPARE_WITH_TIMEOUT(rig.ended.count(), 1, 5000);

    QCOMPARE(rig.job.received(), QByteArray("\x41\xC1\r\n\xFF" "B", 6));
    QCOMPARE(rig.job.characterCount(), 6);
    // 0xC1 and 0xFF are the two bytes with the top bit set.
    QCOMPARE(rig.job.extendedCount(), 2u);
    QVERIFY(rig.job.receivedAny());
    // Chunks the worker read apart may be taken together; every byte is announced once.
    QByteArray announced;
    for (const QList<QVariant>& chunk : rig.chunks)
        announced += chunk.at(0).toByteArray();
    QCOMPARE(announced, rig.job.received());
    // The port is closed by the time the end is announced.
    QVERIFY(!rig.job.isRunning());
    QCOMPARE(rig.lost.count(), 0);
}

void DownloadJobTest::silenceBeforeTheFirstByteKeepsWaiting()
{
    JobRig rig;
    QVERIFY(rig.start());
    // Several read time-outs pass without a byte.
    QTest::qWait(8 * ReadTimeoutMs);
    QVERIFY(rig.port->readCalls() >= 3);
    QVERIFY(rig.job.isRunning());
    QCOMPARE(rig.ended.count(), 0);
    QVERIFY(!rig.job.receivedAny());

    rig.port->addChunk("late");
    QTRY_COMPARE_WITH_TIMEOUT(rig.ended.count(), 1, 5000);
    QCOMPARE(rig.job.received(), QByteArray("late"));
}

void DownloadJobTest::stopMidwayKeepsEveryByteAndEndsNothing()
{
    JobRig rig;
    QVERIFY(rig.start(PatientReadTimeoutMs));
    rig.port->addChunk("0123");
    QTRY_COMPARE_WITH_TIMEOUT(rig.chunks.count(), 1, 5000);
    // Bytes that come in while the stop interrupts the worker's wait are never announced by it.
    rig.port->setChunkOnInterrupt("45");
    rig.job.stop();
    QVERIFY(!rig.job.isRunning());
    QCOMPARE(rig.job.received(), QByteArray("012345"));
    QCOMPARE(rig.job.characterCount(), 6);
    QCOMPARE(rig.chunks.count(), 2);
    QCOMPARE(rig.port->closeCalls(), 1);
    // A second stop finds nothing to do.
    rig.job.stop();
    QTest::qWait(3 * ReadTimeoutMs);
    QCOMPARE(rig.chunks.count(), 2);
    QCOMPARE(rig.ended.count(), 0);
    QCOMPARE(rig.lost.count(), 0);
}

void DownloadJobTest::refusedPortIsReportedAndReleased()
{
    JobRig rig;
    rig.port->setRefuseOpen(true);
    const bool started = rig.start();
    QVERIFY(!started);
    QVERIFY(!rig.job.isRunning());
    QVERIFY(!rig.job.accessDenied());
    QVERIFY(rig.port->written().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!rig.job.findChild<Ks::WinSerialDeviceAsync*>());
}

void DownloadJobTest::failedLineAfterDataIsNotASilence()
{
    JobRig rig;
    rig.port->setFailingReads(true);
    QVERIFY(rig.start());
    // Before the first byte a failing line is waited out like a silent one.
    QTRY_VERIFY_WITH_TIMEOUT(rig.port->readCalls() >= 3, 5000);
    QCOMPARE(rig.lost.count(), 0);
    QVERIFY(rig.job.isRunning());

    // The scripted line still hands out what it holds before it fails again.
    rig.port->addChunk("12345");
    QTRY_COMPARE_WITH_TIMEOUT(rig.lost.count(), 1, 5000);
    QCOMPARE(rig.chunks.count(), 1);
    QCOMPARE(rig.ended.count(), 0);
    QVERIFY(!rig.job.isRunning());
    QCOMPARE(rig.job.received(), QByteArray("12345"));
}

void DownloadJobTest::nextStartForgetsTheLastTransfer()
{
    JobRig rig;
    rig.port->addChunk(QByteArray("\x80\x81", 2));
    QVERIFY(rig.start());
    QTRY_COMPARE_WITH_TIMEOUT(rig.ended.count(), 1, 5000);
    QCOMPARE(rig.job.extendedCount(), 2u);

    auto* second = new ScriptedSerialDevice;
    QVERIFY(rig.job.start(new Ks::WinSerialDeviceAsync(nullptr, second), ReadTimeoutMs));
    QVERIFY(!rig.job.receivedAny());
    QCOMPARE(rig.job.characterCount(), 0);
    QCOMPARE(rig.job.extendedCount(), 0u);
    QVERIFY(rig.job.received().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(second->written(), commands, 5000);
    second->addChunk("x");
    QTRY_COMPARE_WITH_TIMEOUT(rig.ended.count(), 2, 5000);
    QCOMPARE(rig.job.received(), QByteArray("x"));
}

VELTRANO_TEST(DownloadJobTest)
#include "DownloadJobTest.moc"
