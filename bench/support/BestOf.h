#pragma once

#include <QElapsedTimer>

#include <limits>

// The fastest of several runs, in nanoseconds: the least disturbed by whatever else the machine does.
template <typename Work>
qint64 bestOf(int runs, Work work)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed());
    }
    return best;
}
