#pragma once

#include "games/gamestate.h"
#include "games/registrationscan.h"
#include "journal/journalreader.h"
#include "journal/journalrecord.h"

#include <QLatin1StringView>
#include <QMap>
#include <QStringList>

#include <optional>

class PlayerList;

// The journal entries the games write, each shape in one place: the
// operations' names, their fields' names and what builds them; the History
// window reads them by the same names. The journal's own fields and the
// operations it checks are in journal/journalfields.h and
// journal/checkedentries.h; docs/journal.md lists them all.
namespace JournalEntries {

// The games' operations, by their names in "op".
namespace Op {
inline constexpr QLatin1StringView kStart{"start"};
inline constexpr QLatin1StringView kGetReg{"getreg"};
inline constexpr QLatin1StringView kRound{"round"};
inline constexpr QLatin1StringView kSayList{"saylist"};
inline constexpr QLatin1StringView kSayNext{"saynext"};
inline constexpr QLatin1StringView kCallNext{"callnext"};
inline constexpr QLatin1StringView kSayPrizes{"sayprizes"};
inline constexpr QLatin1StringView kRemove{"remove"};
inline constexpr QLatin1StringView kAddBack{"addback"};
inline constexpr QLatin1StringView kColour{"colour"};
inline constexpr QLatin1StringView kColoursReset{"coloursreset"};
inline constexpr QLatin1StringView kSayColours{"saycolours"};
inline constexpr QLatin1StringView kInPlay{"inplay"};
inline constexpr QLatin1StringView kRecover{"recover"};
inline constexpr QLatin1StringView kSettings{"settings"};
inline constexpr QLatin1StringView kMacro{"macro"};
} // namespace Op

// The games' fields, by name.
namespace Field {
inline constexpr QLatin1StringView kGame{"game"};
inline constexpr QLatin1StringView kMode{"mode"};
inline constexpr QLatin1StringView kHost{"host"};
inline constexpr QLatin1StringView kTaken{"taken"}; // each {who, line}
inline constexpr QLatin1StringView kRefused{"refused"};
inline constexpr QLatin1StringView kRead{"read"};
inline constexpr QLatin1StringView kWho{"who"};
inline constexpr QLatin1StringView kLine{"line"};
inline constexpr QLatin1StringView kRound{"round"};
inline constexpr QLatin1StringView kCounter{"counter"};
inline constexpr QLatin1StringView kRoundWas{"roundWas"};
inline constexpr QLatin1StringView kCounterWas{"counterWas"};
inline constexpr QLatin1StringView kOf{"of"};
inline constexpr QLatin1StringView kCount{"count"};
inline constexpr QLatin1StringView kPlaces{"places"};
inline constexpr QLatin1StringView kList{"list"};
inline constexpr QLatin1StringView kFrom{"from"}; // with JournalFields::kTo
inline constexpr QLatin1StringView kColour{"colour"};
inline constexpr QLatin1StringView kInPlay{"inPlay"};
inline constexpr QLatin1StringView kHolders{"holders"};
inline constexpr QLatin1StringView kRestored{"restored"};
inline constexpr QLatin1StringView kChanged{"changed"};
inline constexpr QLatin1StringView kSaved{"saved"};
inline constexpr QLatin1StringView kMacro{"macro"};
} // namespace Field

// The games in "game".
inline constexpr QLatin1StringView kRaffle{"raffle"};
inline constexpr QLatin1StringView kLister{"lister"};

// The opening modes in "mode".
namespace Mode {
inline constexpr QLatin1StringView kClear{"clear"};
inline constexpr QLatin1StringView kReset{"reset"};
inline constexpr QLatin1StringView kNeither{"neither"};
} // namespace Mode

// The raffle's counters: "Round" and the presses of Draw since the last fresh game.
struct Counters
{
    QString round;
    QString counter;
};

// seal: the commitment of a sealed game; empty for none.
JournalRecord start(QLatin1StringView game, GameState::Opening opening, const QString &host,
                    const QByteArray &seal = {});
// "read": false when no transcript came.
JournalRecord getReg(QLatin1StringView game, const std::optional<RegistrationScan::Found> &found);
JournalRecord draw(const Counters &was, const Counters &now, const QStringList &winners,
                   const std::optional<QString> &prize);
JournalRecord round(const QString &current, const QString &of);
JournalRecord sayList(QLatin1StringView game, qsizetype count);
// who: nobody when the queue was empty.
JournalRecord sayNext(const std::optional<QString> &who);
JournalRecord callNext(const std::optional<QString> &who);
JournalRecord sayPrizes(qint64 places);
JournalRecord removal(const PlayerList &from, const QString &who);
JournalRecord addBack(const PlayerList &from, const PlayerList &to, const QString &who);
JournalRecord colour(const QString &name, const QString &who);
JournalRecord inPlay(const QString &colour, bool isInPlay);
JournalRecord coloursReset();
// holders: colour -> holder; inPlay: the colours in play, in the caller's order.
JournalRecord sayColours(const QMap<QString, QString> &holders, const QStringList &inPlay);
JournalRecord recover(bool restored);
// changed: item number -> its new text; saved: whether Settings.txt was written.
JournalRecord settings(const QMap<int, QString> &changed, bool saved);
// number: the macro button's, from 1.
JournalRecord macro(int number);

// The counters as they stood right after the entry numbered seq, each as far
// as the entries tell.
struct KnownCounters
{
    std::optional<QString> round;
    std::optional<QString> counter;
};
KnownCounters countersAfter(const QList<JournalEntry> &entries, qint64 seq);

} // namespace JournalEntries
