#pragma once

#include "core/playerlist.h"

#include <array>

// The five lists of players, in the order the recovery file keeps them.
struct PlayerLists
{
    // The lists' control names, which the recovery file uses as tags.
    static constexpr std::array<const char *, 5> kNames = {"lstAvatars", "List1", "List2", "List3", "List4"};

    PlayerList lstAvatars{QString::fromLatin1(kNames[0]), PlayerList::Order::Sorted}; // raffle players
    PlayerList List1{QString::fromLatin1(kNames[1]), PlayerList::Order::Added};       // raffle winners
    PlayerList List2{QString::fromLatin1(kNames[2]), PlayerList::Order::Sorted};      // ledger of registrations
    PlayerList List3{QString::fromLatin1(kNames[3]), PlayerList::Order::Added};       // Lister queue
    PlayerList List4{QString::fromLatin1(kNames[4]), PlayerList::Order::Sorted};      // Lister players called

    std::array<PlayerList *, 5> all() { return {&lstAvatars, &List1, &List2, &List3, &List4}; }
    std::array<const PlayerList *, 5> all() const { return {&lstAvatars, &List1, &List2, &List3, &List4}; }
};
