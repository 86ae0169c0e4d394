// Receives through the real port stack (termios device, worker thread, async device) over a
// pseudo-terminal: a large transfer far above line rate, then a long silent wait.
#include "DownloadProtocol.h"
#include "PseudoTerminal.h"
#include "WinSerialDeviceAsync.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>
#include <thread>

namespace {
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

void unpacedTransfer()
{
    const int size = 2 * 1024 * 1024;
    const QByteArray sent = pattern(size);
    PseudoTerminal line;
    Ks::WinSerialDeviceAsync device(nullptr, line.slavePath());
    device.setSettings(DownloadProtocol::lineSettings());
    QByteArray received;
    QEventLoop loop;
    QObject::connect(&device, &QIODevice::readyRead, [&] { received += device.readAll(); });
    // As in a download: the first silence after data ends it.
    QObject::connect(&device, &Ks::WinSerialDeviceAsync::readTimeOut, [&] {
        if (!received.isEmpty())
            loop.quit();
    });
    if (!device.open(QIODevice::ReadWrite, DownloadProtocol::DefaultReadTimeout)) {
        std::printf("could not open %s\n", qPrintable(line.slavePath()));
        return;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    std::thread sender([&] { line.send(sent); });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = (elapsed.elapsed() - DownloadProtocol::DefaultReadTimeout) / 1000.0;
    sender.join();
    received += device.readAll();
    device.close();

    int differing = 0;
    for (int index = 0; index < qMin(sent.size(), received.size()); ++index)
        differing += sent.at(index) != received.at(index);
    std::printf("unpaced transfer: %d bytes sent, %d received, %d lost, %d corrupted\n", size, int(received.size()),
                size - int(received.size()), differing);
    std::printf("throughput: %.1f MB/s (%.0f times a 9600-baud line)\n", size / seconds / 1e6, size / seconds / 960.0);
}

void idleWait()
{
    const int seconds = 10;
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
    std::printf("\nidle wait: %d s, %d read time-outs, %.3f s processor time = %.3f %% of one core\n", seconds, timeOuts,
                used, 100.0 * used / seconds);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    unpacedTransfer();
    idleWait();
    return 0;
}
