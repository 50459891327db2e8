#pragma once

#include "games/gamestate.h"
#include "games/registrationscan.h"

#include <QJsonObject>

#include <optional>

// The fields of the journal entries the games write, each shape in one place
// (docs/journal.md lists them; the History window reads them).
namespace JournalEntries {

QJsonObject start(QLatin1StringView game, GameState::Opening opening, const QString &host);
// "read": false when no transcript came.
QJsonObject getReg(QLatin1StringView game, const std::optional<RegistrationScan::Found> &found);
QJsonObject draw(const QString &round, const QString &counter, const QStringList &winners,
                 const std::optional<QString> &prize);
QJsonObject who(const QString &name);

} // namespace JournalEntries
