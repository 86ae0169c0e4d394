#pragma once

#include <QDateTime>

// The one source of "now", so that tests can pin it.
class Clock
{
public:
    static QDateTime now();
    // An invalid time restores the system clock.
    static void setFixedNow(const QDateTime& now);
};
