#include "AnnouncementGate.h"

#include <QDeadlineTimer>

void AnnouncementGate::setRunning(bool running)
{
    QMutexLocker locker(&mutex);
    this->running = running;
    condition.wakeAll();
}

void AnnouncementGate::announce()
{
    QMutexLocker locker(&mutex);
    ++announcements;
    condition.wakeAll();
}

bool AnnouncementGate::waitForNext(int msecs)
{
    QMutexLocker locker(&mutex);
    const quint64 seen = announcements;
    QDeadlineTimer deadline(msecs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(msecs));
    while (running && announcements == seen) {
        if (!condition.wait(&mutex, deadline))
            return false;
    }
    return true;
}
