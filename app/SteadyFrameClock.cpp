// SPDX-License-Identifier: GPL-3.0-or-later
// The frame clock of the running game: the monotonic clock, waited on in the event loop.
#include "app/SteadyFrameClock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

namespace zorvik {

SteadyFrameClock::SteadyFrameClock()
{
    elapsed_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

std::uint32_t SteadyFrameClock::TimeOfDayMs()
{
    return static_cast<std::uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

std::int64_t SteadyFrameClock::NowUs()
{
    return elapsed_.nsecsElapsed() / 1000;
}

void SteadyFrameClock::WaitUntil(std::int64_t untilUs)
{
    // Sleep in the event loop until an event arrives or the wake-up timer fires shortly before the frame
    // time; the last stretch is a plain sleep to the exact millisecond, so frames neither drift late nor
    // cost a busy wait.
    constexpr std::int64_t SleepMarginUs = 2500;
    std::int64_t remainingUs = untilUs - NowUs();
    if (remainingUs > SleepMarginUs) {
        wake_.start(static_cast<int>((remainingUs - SleepMarginUs + 999) / 1000));  // at least 1 ms
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        wake_.stop();
        remainingUs = untilUs - NowUs();
    }
    if (remainingUs > 0 && remainingUs <= SleepMarginUs)
        QThread::usleep(static_cast<unsigned long>(remainingUs));
}

}  // namespace zorvik
