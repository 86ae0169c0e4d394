// Receives through the real port stack (termios device, worker thread, async device) over a
// pseudo-terminal. The tester is played by child processes, so that the processor time measured
// here is the program's alone:
// - the window during a download paced at the tester's own 960 bytes/s and at 12 times that
//   rate, with lines of several KB, against the port stack alone at the same rates (goal: the
//   window under 5 % of a core at 960 B/s and under 15 % at 11,520 B/s, every byte counted and
//   shown);
// - a transfer far above line rate (nothing lost), and a long silent wait.
#include "DownloadProtocol.h"
#include "MainWindow.h"
#include "PrivateHome.h"
#include "PseudoTerminal.h"
#include "ScriptedPrompts.h"
#include "WinSerialDeviceAsync.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
constexpr int PacedSeconds = 10;
constexpr int FifoBytes = 16;
constexpr int LineRate = 960;
constexpr int FastRate = 12 * LineRate;

double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int index = 0; index < size; ++index)
        bytes[index] = char((index * 7 + index / 251) & 0xFF);
    return bytes;
}

// Results as the tester writes them: lines of several KB of comma-separated numbers.
QByteArray testerMemory(int size)
{
    QByteArray memory;
    for (int line = 0; memory.size() < size; ++line) {
        QByteArray text = QByteArray::number(line + 1) + ",16,03/07/2026,09:00:00";
        for (int point = 0; text.size() < 4000; ++point)
            text += ',' + QByteArray::number(point * 2.1, 'f', 2) + ':' + QByteArray::number(8.2 - point * 0.03, 'f', 3);
        memory += text + "\r\n";
    }
    return memory.left(size);
}

// The tester on the far end of one line: waits for the two commands, then sends its memory in
// bursts of a UART's 16 bytes at `rate` bytes per second. Forked before any thread exists.
struct PacedTester
{
    PacedTester(const QByteArray& memory, int rate)
        : memory(memory)
    {
        child = fork();
        if (child == 0)
            _exit(run(rate));
    }

    int run(int rate)
    {
        if (line.receive(DownloadProtocol::remoteCommand().size() + DownloadProtocol::memoryCommand().size(), 600000)
                .isEmpty())
            return 1;
        timespec due {};
        clock_gettime(CLOCK_MONOTONIC, &due);
        const long interval = long(1e9 * FifoBytes / rate);
        for (int offset = 0; offset < memory.size(); offset += FifoBytes) {
            if (!line.send(memory.mid(offset, FifoBytes)))
                return 1;
            due.tv_nsec += interval;
            due.tv_sec += due.tv_nsec / 1000000000;
            due.tv_nsec %= 1000000000;
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
        }
        return 0;
    }

    void finish() { waitpid(child, nullptr, 0); }

    PseudoTerminal line;
    QByteArray memory;
    pid_t child = -1;
};

struct Share
{
    double percent = 0;
    int received = 0;
    bool allShown = false;
};

void runUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    poll.start(20);
    loop.exec();
}

Share portStackAlone(PacedTester& tester)
{
    Ks::WinSerialDeviceAsync device(nullptr, tester.line.slavePath());
    device.setSettings(DownloadProtocol::lineSettings());
    QByteArray received;
    bool ended = false;
    QObject::connect(&device, &QIODevice::readyRead, [&] { received += device.readAll(); });
    QObject::connect(&device, &Ks::WinSerialDeviceAsync::readTimeOut, [&] { ended = !received.isEmpty(); });
    QElapsedTimer wall;
    wall.start();
    const double before = processorSeconds();
    device.open(QIODevice::ReadWrite, DownloadProtocol::DefaultReadTimeout);
    device.write(DownloadProtocol::remoteCommand() + DownloadProtocol::memoryCommand());
    runUntil([&] { return ended; });
    device.close();
    Share share;
    share.percent = 100.0 * (processorSeconds() - before) / (wall.elapsed() / 1000.0);
    share.received = received.size();
    share.allShown = received == tester.memory;
    if (!share.allShown)
        std::printf("port stack alone: %d of %d bytes\n", int(received.size()), int(tester.memory.size()));
    return share;
}

// The window with the tester's line chosen in its port list.
void showOnPort(MainWindow& window, const QString& portPath)
{
    auto* ports = window.findChild<QComboBox*>(QStringLiteral("portList"));
    ports->addItem(QStringLiteral("pty"), portPath);
    ports->setCurrentIndex(ports->count() - 1);
    window.show();
}

Share window(PacedTester& tester)
{
    ScriptedPrompts prompts;
    MainWindow window;
    showOnPort(window, tester.line.slavePath());
    QElapsedTimer wall;
    wall.start();
    const double before = processorSeconds();
    window.download();
    // The end of the transfer asks where to save; the scripted answer cancels.
    runUntil([&] { return !prompts.shown().isEmpty(); });
    Share share;
    share.percent = 100.0 * (processorSeconds() - before) / (wall.elapsed() / 1000.0);
    share.received = tester.memory.size();
    QByteArray shown = tester.memory;
    shown.replace('\r', "");
    const QString counted = QStringLiteral("Downloading... %1 characters, %2 extended").arg(tester.memory.size()).arg(0);
    const QString paneText = window.findChild<QPlainTextEdit*>(QStringLiteral("output"))->toPlainText();
    share.allShown = paneText == QString::fromLatin1(shown) && window.statusBar()->currentMessage() == counted;
    if (!share.allShown)
        std::printf("pane %d of %d characters; status \"%s\"\n", int(paneText.size()), int(shown.size()),
                    qPrintable(window.statusBar()->currentMessage()));
    return share;
}

// The window while it waits for the tester: the busy indicator and the port's read time-outs.
double windowWaiting(PacedTester& silentTester)
{
    ScriptedPrompts prompts;
    MainWindow window;
    showOnPort(window, silentTester.line.slavePath());
    window.download();
    const double before = processorSeconds();
    QEventLoop loop;
    QTimer::singleShot(PacedSeconds * 1000 / 2, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    const double percent = 100.0 * (processorSeconds() - before) / (PacedSeconds / 2.0);
    window.cancelDownload();
    return percent;
}

void printPaced(const char* rateName, const Share& stack, const Share& shown, double goal)
{
    std::printf("%s: window %.2f %% of a core (goal: under %.0f %%), port stack alone %.2f %%, ratio %.2f; "
                "%d bytes, every byte counted and shown: %s\n",
                rateName, shown.percent, goal, stack.percent, shown.percent / stack.percent, shown.received,
                shown.allShown && stack.allShown ? "yes" : "NO");
}

void unpacedTransfer()
{
    const int size = 2 * 1024 * 1024;
    const QByteArray sent = pattern(size);
    PseudoTerminal line;
    Ks::WinSerialDeviceAsync device(nullptr, line.slavePath());
    device.setSettings(DownloadProtocol::lineSettings());
    QByteArray received;
    bool ended = false;
    QObject::connect(&device, &QIODevice::readyRead, [&] { received += device.readAll(); });
    // As in a download: the first silence after data ends it.
    QObject::connect(&device, &Ks::WinSerialDeviceAsync::readTimeOut, [&] { ended = !received.isEmpty(); });
    if (!device.open(QIODevice::ReadWrite, DownloadProtocol::DefaultReadTimeout)) {
        std::printf("could not open %s\n", qPrintable(line.slavePath()));
        return;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    std::thread sender([&] { line.send(sent); });
    runUntil([&] { return ended || elapsed.elapsed() > 120000; });
    const double seconds = (elapsed.elapsed() - DownloadProtocol::DefaultReadTimeout) / 1000.0;
    sender.join();
    received += device.readAll();
    device.close();

    int differing = 0;
    for (int index = 0; index < qMin(sent.size(), received.size()); ++index)
        differing += sent.at(index) != received.at(index);
    std::printf("\nunpaced transfer: %d bytes sent, %d received, %d lost, %d corrupted\n", size, int(received.size()),
                size - int(received.size()), differing);
    std::printf("throughput: %.1f MB/s (%.0f times a 9600-baud line)\n", size / seconds / 1e6, size / seconds / 960.0);
}

void idleWait()
{
    const int seconds = 5;
    PseudoTerminal line;
    Ks::WinSerialDeviceAsync device(nullptr, line.slavePath());
    int timeOuts = 0;
    QObject::connect(&device, &Ks::WinSerialDeviceAsync::readTimeOut, [&] { ++timeOuts; });
    device.open(QIODevice::ReadWrite, DownloadProtocol::DefaultReadTimeout);
    const double before = processorSeconds();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = processorSeconds() - before;
    device.close();
    std::printf("idle wait: %d s, %d read time-outs, %.3f s processor time = %.3f %% of one core\n", seconds, timeOuts,
                used, 100.0 * used / seconds);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    usePrivateHome(home);
    // One tester per measured download, each forked while this process has a single thread.
    std::vector<std::unique_ptr<PacedTester>> testers;
    for (int rate : {LineRate, LineRate, FastRate, FastRate})
        testers.push_back(std::make_unique<PacedTester>(testerMemory(rate * PacedSeconds), rate));
    PacedTester silentTester(QByteArray(), LineRate);

    QApplication app(argc, argv);
    QSettings().setValue(QStringLiteral("Device/ReadTimeout"), DownloadProtocol::DefaultReadTimeout);
    std::printf("Paced downloads of %d s each:\n", PacedSeconds);
    const Share slowStack = portStackAlone(*testers[0]);
    const Share slowWindow = window(*testers[1]);
    printPaced("960 B/s", slowStack, slowWindow, 5);
    const Share fastStack = portStackAlone(*testers[2]);
    const Share fastWindow = window(*testers[3]);
    printPaced("11,520 B/s", fastStack, fastWindow, 15);
    std::printf("window waiting for the tester to start: %.2f %% of a core\n", windowWaiting(silentTester));
    for (const auto& tester : testers)
        tester->finish();
    silentTester.finish();

    unpacedTransfer();
    idleWait();
    return 0;
}
