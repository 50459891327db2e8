#pragma once

#include "chat/clock.h"

#include <QList>

// Virtual time for tests: a wait lets pending events run once, then jumps to
// its deadline unless it is already done. Every wait is recorded.
class FakeClock final : public Clock
{
public:
    struct Wait
    {
        qint64 atMs;
        qint64 lengthMs;
    };

    qint64 nowMs() override { return m_now; }
    QTime timeOfDay() override;
    void waitUntil(qint64 deadlineMs, const std::function<bool()> &done) override;

    void advance(qint64 ms) { m_now += ms; }
    void setTimeOfDay(QTime time) { m_dayStart = time.msecsSinceStartOfDay(); }
    const QList<Wait> &waits() const { return m_waits; }
    void clearWaits() { m_waits.clear(); }

private:
    qint64 m_now = 1000000; // far from zero, so no test leans on a zero start
    qint64 m_dayStart = 12 * 3600 * 1000;
    QList<Wait> m_waits;
};
