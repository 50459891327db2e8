#pragma once

#include "core/playerlist.h"

#include <QLatin1StringView>

#include <array>

// The five lists of players, in the order the recovery file keeps them.
struct PlayerLists
{
    // Each list's place in all(), in the recovery file and in the journal.
    enum Index { Players, Winners, Ledger, Queue, Called, Count };

    // The names one list goes by: its tag in the recovery file (which is its
    // control's name), its name in the journal, and the host's name for it.
    struct Names
    {
        const char *tag = nullptr;
        QLatin1StringView journal;
        QLatin1StringView shown;
    };
    static constexpr std::array<Names, Count> kNames{{
        {"lstAvatars", QLatin1StringView("players"), QLatin1StringView("players")},
        {"List1", QLatin1StringView("winners"), QLatin1StringView("winners")},
        {"List2", QLatin1StringView("ledger"), QLatin1StringView("registrations")},
        {"List3", QLatin1StringView("queue"), QLatin1StringView("queue")},
        {"List4", QLatin1StringView("called"), QLatin1StringView("called")},
    }};

    // Raffle players still in the draw; raffle winners, in the order drawn;
    // every name taken in, and the host; the Lister's queue, by arrival; the
    // Lister's players called.
    PlayerList players{QString::fromLatin1(kNames[Players].tag), PlayerList::Order::Sorted};
    PlayerList winners{QString::fromLatin1(kNames[Winners].tag), PlayerList::Order::Added};
    PlayerList ledger{QString::fromLatin1(kNames[Ledger].tag), PlayerList::Order::Sorted};
    PlayerList queue{QString::fromLatin1(kNames[Queue].tag), PlayerList::Order::Added};
    PlayerList called{QString::fromLatin1(kNames[Called].tag), PlayerList::Order::Sorted};

    std::array<PlayerList *, Count> all() { return {&players, &winners, &ledger, &queue, &called}; }
    std::array<const PlayerList *, Count> all() const { return {&players, &winners, &ledger, &queue, &called}; }
};
