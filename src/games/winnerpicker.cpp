#include "games/winnerpicker.h"

#include "chat/clock.h"
#include "journal/pick.h"

WinnerPicker::WinnerPicker(Clock &clock)
    : m_clock(clock)
{}

int WinnerPicker::pick(int count)
{
    m_seed = m_seeds.next(m_clock.timeOfDay().msecsSinceStartOfDay());
    return static_cast<int>(Pick::index(m_seed, static_cast<quint64>(count)));
}
