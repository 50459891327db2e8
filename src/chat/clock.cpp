#include "chat/clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

qint64 SystemClock::nowMs()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}

QTime SystemClock::timeOfDay()
{
    return QTime::currentTime();
}

void SystemClock::waitUntil(qint64 deadlineMs, const std::function<bool()> &done)
{
    // The timer only wakes the wait at the deadline; its timeout needs no handler.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (!(done && done())) {
        const qint64 remaining = deadlineMs - nowMs();
        if (remaining <= 0)
            return;
        if (!wake.isActive())
            wake.start(static_cast<int>(std::min<qint64>(remaining, qint64{24} * 3600 * 1000)));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        // A wake-up may only have posted its work (Windows delivers a timer
        // that way): run it before the check, or the wait sleeps through it.
        QCoreApplication::sendPostedEvents();
    }
}
