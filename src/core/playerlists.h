#pragma once

#include "core/playerlist.h"

#include <array>

// The five lists of players, in the order the recovery file keeps them.
struct PlayerLists
{
    // The tags of the recovery file, which are the lists' control names.
    static constexpr std::array<const char *, 5> kNames = {"lstAvatars", "List1", "List2", "List3", "List4"};

    PlayerList players{QString::fromLatin1(kNames[0]), PlayerList::Order::Sorted}; // raffle players still in the draw
    PlayerList winners{QString::fromLatin1(kNames[1]), PlayerList::Order::Added};  // raffle winners, in the order drawn
    PlayerList ledger{QString::fromLatin1(kNames[2]), PlayerList::Order::Sorted};  // every name taken in, and the host
    PlayerList queue{QString::fromLatin1(kNames[3]), PlayerList::Order::Added};    // the Lister's queue, by arrival
    PlayerList called{QString::fromLatin1(kNames[4]), PlayerList::Order::Sorted};  // the Lister's players called

    std::array<PlayerList *, 5> all() { return {&players, &winners, &ledger, &queue, &called}; }
    std::array<const PlayerList *, 5> all() const { return {&players, &winners, &ledger, &queue, &called}; }
};
