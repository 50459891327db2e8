#pragma once

#include "journal/seedmaker.h"

#include <QByteArray>

class Clock;

// The raffle's random pick. Before every pick a fresh seed is made from the
// time of day, a fine-grained clock, the number of picks so far and the
// system's random source, so two picks in the same clock tick still differ;
// the index follows from the seed by a fixed, documented function without
// modulo bias (Pick::index), so the journal can prove every draw.
class WinnerPicker
{
public:
    explicit WinnerPicker(Clock &clock);

    // An index from 0 to count - 1; count must be at least 1.
    int pick(int count);
    // The seed of the last pick, for the journal.
    const QByteArray &lastSeed() const { return m_seed; }

private:
    Clock &m_clock;
    SeedMaker m_seeds;
    QByteArray m_seed;
};
