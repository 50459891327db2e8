#pragma once

#include <QLatin1StringView>

// The operations the program records in its journal, by the names the
// entries carry in "op", and the fields they share. The games write them and
// the History window reads them; docs/journal.md lists each one's fields.
namespace JournalOps {

inline constexpr QLatin1StringView kStart{"start"};         // game, mode, host, seal
inline constexpr QLatin1StringView kGetReg{"getreg"};       // game, taken [{who, line}], refused [names]
inline constexpr QLatin1StringView kPick{"pick"};           // picks: the one pick, on record before it is said
inline constexpr QLatin1StringView kDraw{"draw"};           // round, counter, roundWas, counterWas, winners, prize
inline constexpr QLatin1StringView kRound{"round"};         // round, of
inline constexpr QLatin1StringView kSayList{"saylist"};     // game, count
inline constexpr QLatin1StringView kSayNext{"saynext"};     // who
inline constexpr QLatin1StringView kCallNext{"callnext"};   // who
inline constexpr QLatin1StringView kSayPrizes{"sayprizes"}; // places
inline constexpr QLatin1StringView kRemove{"remove"};       // list, who
inline constexpr QLatin1StringView kAddBack{"addback"};     // from, to, who
inline constexpr QLatin1StringView kColour{"colour"};       // colour, who
inline constexpr QLatin1StringView kColoursReset{"coloursreset"};
inline constexpr QLatin1StringView kSayColours{"saycolours"}; // holders {colour: who}, inPlay [colours]
inline constexpr QLatin1StringView kInPlay{"inplay"};         // colour, inPlay
inline constexpr QLatin1StringView kRecover{"recover"};       // restored
inline constexpr QLatin1StringView kRestore{"restore"};       // to, file
inline constexpr QLatin1StringView kSettings{"settings"};     // changed {item: text}
inline constexpr QLatin1StringView kMacro{"macro"};           // macro
inline constexpr QLatin1StringView kReveal{"reveal"};         // seal, key

// The games' names in "game".
inline constexpr QLatin1StringView kRaffle{"raffle"};
inline constexpr QLatin1StringView kLister{"lister"};

} // namespace JournalOps
