#pragma once

#include "core/playerlist.h"

#include <array>

// The five lists of players, in the order the recovery file keeps them.
struct PlayerLists
{
    PlayerList lstAvatars{QStringLiteral("lstAvatars"), PlayerList::Order::Sorted}; // raffle players
    PlayerList List1{QStringLiteral("List1"), PlayerList::Order::Added};            // raffle winners
    PlayerList List2{QStringLiteral("List2"), PlayerList::Order::Sorted};           // ledger of registrations
    PlayerList List3{QStringLiteral("List3"), PlayerList::Order::Added};            // Lister queue
    PlayerList List4{QStringLiteral("List4"), PlayerList::Order::Sorted};           // Lister players called

    std::array<PlayerList *, 5> all() { return {&lstAvatars, &List1, &List2, &List3, &List4}; }
    std::array<const PlayerList *, 5> all() const { return {&lstAvatars, &List1, &List2, &List3, &List4}; }
};
