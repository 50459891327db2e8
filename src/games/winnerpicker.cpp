#include "games/winnerpicker.h"

#include "chat/clock.h"
#include "games/drawseal.h"
#include "journal/liststate.h"

WinnerPicker::WinnerPicker(Clock &clock, DrawSeal &seal)
    : m_clock(clock)
    , m_seal(seal)
{}

PickRecord WinnerPicker::pick(const QStringList &players)
{
    PickRecord pick;
    pick.count = static_cast<int>(players.size());
    pick.playersHash = ListState::hashOf(players);
    if (m_seal.isSealing()) {
        pick.seal = m_seal.commitment();
        pick.draw = m_seal.nextDraw();
        pick.seed = m_seal.seedFor(pick.playersHash, pick.draw);
    } else {
        pick.seed = m_seeds.next(m_clock.timeOfDay().msecsSinceStartOfDay());
    }
    pick.index = static_cast<int>(Pick::index(pick.seed, static_cast<quint64>(pick.count)));
    pick.winner = players.at(pick.index);
    return pick;
}
