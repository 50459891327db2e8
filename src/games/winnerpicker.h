#pragma once

#include "journal/pick.h"
#include "journal/seedmaker.h"

#include <QStringList>

class Clock;
class DrawSeal;

// The raffle's random pick. Under a seal the seed follows from the game's
// secret key, the players list and the draw's number (Seal::seed), so the
// winner was fixed by a key committed to before anyone registered.
// Otherwise a fresh seed is made before every pick from the time of day, a
// fine-grained clock, the number of picks so far and the system's random
// source, so two picks in the same clock tick still differ. Either way the
// index follows from the seed by a fixed, documented function without modulo
// bias (Pick::index), so the journal can prove every draw.
class WinnerPicker
{
public:
    WinnerPicker(Clock &clock, DrawSeal &seal);

    // A winner from players, which must not be empty.
    PickRecord pick(const QStringList &players);

private:
    Clock &m_clock;
    DrawSeal &m_seal;
    SeedMaker m_seeds;
};
