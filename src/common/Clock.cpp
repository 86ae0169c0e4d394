#include "Clock.h"

namespace {
QDateTime& fixedNow()
{
    static QDateTime now;
    return now;
}
} // namespace

QDateTime Clock::now()
{
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

void Clock::setFixedNow(const QDateTime& now)
{
    fixedNow() = now;
}
