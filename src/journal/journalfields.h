#pragma once

#include <QLatin1StringView>

// The names of the fields the journal itself writes and reads: the header's,
// every entry's own, a pick's, and those of the operations it checks
// (journal/checkedentries.h). docs/journal.md describes each.
namespace JournalFields {

// The header.
inline constexpr QLatin1StringView kJournal{"journal"};
inline constexpr QLatin1StringView kVersion{"version"};
inline constexpr QLatin1StringView kProgram{"program"};
inline constexpr QLatin1StringView kStarted{"started"};
inline constexpr QLatin1StringView kPickMethod{"pick"};

// Every entry's own, which the writer sets: these first, in this order...
inline constexpr QLatin1StringView kSeq{"seq"};
inline constexpr QLatin1StringView kTime{"time"};
inline constexpr QLatin1StringView kOp{"op"};
inline constexpr QLatin1StringView kPrev{"prev"};
// ...and these last: the list edits since the entry before, and the picks.
inline constexpr QLatin1StringView kChanges{"changes"};
inline constexpr QLatin1StringView kPicks{"picks"};

// One pick in "picks".
inline constexpr QLatin1StringView kSeed{"seed"};
inline constexpr QLatin1StringView kCount{"n"};
inline constexpr QLatin1StringView kIndex{"index"};
inline constexpr QLatin1StringView kWinner{"winner"};
inline constexpr QLatin1StringView kPlayers{"players"};
inline constexpr QLatin1StringView kAt{"at"};
inline constexpr QLatin1StringView kSeal{"seal"}; // a reveal's and a sealed start's too
inline constexpr QLatin1StringView kDraw{"draw"};

// A draw's winners and prize, a restore's entry and file, a reveal's key.
inline constexpr QLatin1StringView kWinners{"winners"};
inline constexpr QLatin1StringView kPrize{"prize"};
inline constexpr QLatin1StringView kTo{"to"};
inline constexpr QLatin1StringView kFile{"file"};
inline constexpr QLatin1StringView kKey{"key"};

} // namespace JournalFields
