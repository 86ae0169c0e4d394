#include "SimulatedTester.h"

#include <chrono>

QByteArray SimulatedTester::expectedCommands()
{
    return QByteArrayLiteral("SYST:REM\r\nMEM:DATA? ALL\r\n");
}

SimulatedTester::SimulatedTester() = default;

SimulatedTester::~SimulatedTester()
{
    stop();
}

QString SimulatedTester::portPath() const
{
    return line.slavePath();
}

void SimulatedTester::start(const QByteArray& memory, int unplugAfter)
{
    thread = std::thread(&SimulatedTester::run, this, memory, unplugAfter);
}

void SimulatedTester::stop()
{
    stopping = true;
    if (thread.joinable())
        thread.join();
}

QByteArray SimulatedTester::commands()
{
    std::lock_guard<std::mutex> locker(mutex);
    return received;
}

int SimulatedTester::sentBytes() const
{
    return sent;
}

void SimulatedTester::run(QByteArray memory, int unplugAfter)
{
    const QByteArray commands = line.receive(expectedCommands().size(), 10000);
    {
        std::lock_guard<std::mutex> locker(mutex);
        received = commands;
    }
    // A real tester ignores anything but its commands.
    if (commands != expectedCommands())
        return;
    const int end = unplugAfter < 0 ? memory.size() : unplugAfter;
    for (int offset = 0; offset < end && !stopping; offset += ChunkBytes) {
        const int size = qMin(ChunkBytes, end - offset);
        if (!line.send(memory.mid(offset, size)))
            return;
        sent += size;
        std::this_thread::sleep_for(std::chrono::milliseconds(ChunkPauseMs));
    }
    if (unplugAfter >= 0)
        line.closeMaster();
}
