#include "fakeclock.h"

#include <QCoreApplication>

QTime FakeClock::timeOfDay()
{
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>((m_dayStart + m_now) % (24 * 3600 * 1000)));
}

void FakeClock::waitUntil(qint64 deadlineMs, const std::function<bool()> &done)
{
    m_waits.append({m_now, deadlineMs - m_now});
    QCoreApplication::processEvents();
    if (done && done())
        return;
    m_now = std::max(m_now, deadlineMs);
}
