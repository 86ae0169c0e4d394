#pragma once

#include <QMutex>
#include <QWaitCondition>

// Lets another thread wait for the worker's next announcement (received data, written bytes).
// While no worker runs there is nothing to wait for and a wait returns at once.
class AnnouncementGate
{
public:
    void setRunning(bool running);
    void announce();
    // True when an announcement came within `msecs` (-1: no limit), or when no worker runs.
    bool waitForNext(int msecs);

private:
    QMutex mutex;
    QWaitCondition condition;
    quint64 announcements = 0;
    bool running = false;
};
