#include "games/winnerpicker.h"

#include "chat/clock.h"

#include <chrono>
#include <random>

WinnerPicker::WinnerPicker(Clock &clock)
    : m_clock(clock)
{}

int WinnerPicker::pick(int count)
{
    const auto ticks = static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const auto dayMs = static_cast<quint64>(m_clock.timeOfDay().msecsSinceStartOfDay());
    ++m_picks;
    std::seed_seq seed{static_cast<quint32>(dayMs), static_cast<quint32>(ticks), static_cast<quint32>(ticks >> 32),
                       static_cast<quint32>(m_picks), static_cast<quint32>(m_picks >> 32)};
    std::mt19937_64 generator(seed);
    // uniform_int_distribution rejects the uneven tail of the generator's range.
    return std::uniform_int_distribution<int>(0, count - 1)(generator);
}
