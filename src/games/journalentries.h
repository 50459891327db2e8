#pragma once

#include "games/gamestate.h"
#include "games/registrationscan.h"
#include "journal/journalreader.h"

#include <QJsonObject>

#include <optional>

// The fields of the journal entries the games write, each shape in one place
// (docs/journal.md lists them; the History window reads them).
namespace JournalEntries {

// The raffle's counters: "Round" and the presses of Draw since the last fresh game.
struct Counters
{
    QString round;
    QString counter;
};

// seal: the commitment of a sealed game; empty for none.
QJsonObject start(QLatin1StringView game, GameState::Opening opening, const QString &host, const QByteArray &seal = {});
// "read": false when no transcript came.
QJsonObject getReg(QLatin1StringView game, const std::optional<RegistrationScan::Found> &found);
QJsonObject draw(const Counters &was, const Counters &now, const QStringList &winners,
                 const std::optional<QString> &prize);
QJsonObject who(const QString &name);
QJsonObject reveal(const QByteArray &seal, const QByteArray &key);

// The counters as they stood right after the entry numbered seq, each as far
// as the entries tell.
struct KnownCounters
{
    std::optional<QString> round;
    std::optional<QString> counter;
};
KnownCounters countersAfter(const QList<JournalEntry> &entries, qint64 seq);

} // namespace JournalEntries
