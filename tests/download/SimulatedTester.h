#pragma once

#include "PseudoTerminal.h"

#include <QByteArray>

#include <atomic>
#include <mutex>
#include <thread>

// The PV tester on the far end of a pseudo-terminal: waits for the two commands, then sends its
// memory paced like a 9600-baud line (about a byte a millisecond), in chunks with pauses well
// below the read time-out. It can also be unplugged after a number of bytes.
class SimulatedTester
{
public:
    static QByteArray expectedCommands();

    SimulatedTester();
    ~SimulatedTester();

    QString portPath() const;
    // Sends `memory` once the commands came; -1: all of it, else unplugs after that many bytes.
    void start(const QByteArray& memory, int unplugAfter = -1);
    void stop();
    // What the program sent, as far as the tester read it.
    QByteArray commands();
    int sentBytes() const;

    static constexpr int ChunkBytes = 16;
    static constexpr int ChunkPauseMs = 17;

private:
    void run(QByteArray memory, int unplugAfter);

    PseudoTerminal line;
    std::thread thread;
    std::mutex mutex;
    QByteArray received;
    std::atomic<bool> stopping { false };
    std::atomic<int> sent { 0 };
};
