#pragma once

#include "journal/journalrecord.h"

#include <QLatin1StringView>
#include <QStringList>

#include <optional>

struct PickRecord;

// The operations the journal checks itself, by their names in "op", and
// their shapes: a pick proves a winner, a draw names the winners picked for
// it, a restore puts the lists back to an earlier entry, a reveal gives a
// seal's key. Whatever else the games record, the journal only carries.
namespace CheckedEntries {

inline constexpr QLatin1StringView kPick{"pick"};
inline constexpr QLatin1StringView kDraw{"draw"};
inline constexpr QLatin1StringView kRestore{"restore"};
inline constexpr QLatin1StringView kReveal{"reveal"};

// One pick as "picks" holds it; at: the entry's changes made before it.
QJsonObject pick(const PickRecord &pick, qsizetype at);
// The fields the journal checks; the games add their counters.
JournalRecord draw(const QStringList &winners, const std::optional<QString> &prize);
// file: the other evening's journal; empty for this run's.
JournalRecord restore(qint64 to, const QString &file);
JournalRecord reveal(const QByteArray &seal, const QByteArray &key);

} // namespace CheckedEntries
