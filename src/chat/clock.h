#pragma once

#include <QTime>

#include <functional>

// Time as the chat link sees it. Pauses and waits go through here so that
// tests can run them on virtual time.
class Clock
{
public:
    virtual ~Clock() = default;

    // Milliseconds on a monotonic clock; only differences count.
    virtual qint64 nowMs() = 0;

    // The time of day, for seeding the raffle's random pick.
    virtual QTime timeOfDay() = 0;

    // Lets the event loop run until the deadline has passed or done() is
    // true, whichever comes first. done is checked after every batch of events.
    virtual void waitUntil(qint64 deadlineMs, const std::function<bool()> &done) = 0;
};

// The real clock: sleeps in the event loop until the next event or the
// deadline, so a pause costs no CPU and the window keeps answering.
class SystemClock final : public Clock
{
public:
    qint64 nowMs() override;
    QTime timeOfDay() override;
    void waitUntil(qint64 deadlineMs, const std::function<bool()> &done) override;
};
