#pragma once

#include <QtGlobal>

class Clock;

// The raffle's random pick. Before every pick the generator is seeded anew
// from the time of day, mixed with a fine-grained counter and the number of
// picks so far, so two picks in the same clock tick still differ. The index
// is drawn without modulo bias: every name has exactly the same chance.
class WinnerPicker
{
public:
    explicit WinnerPicker(Clock &clock);

    // An index from 0 to count - 1; count must be at least 1.
    int pick(int count);

private:
    Clock &m_clock;
    quint64 m_picks = 0;
};
