#include "games/gamesession.h"

#include "core/filestore.h"
#include "games/journalentries.h"
#include "games/roomlines.h"
#include "journal/checkedentries.h"
#include "journal/journalrestore.h"
#include "version.h"

#include <QMap>

GameSession::GameSession(Clock &clock, FileStore &files)
    : store(files)
    , link(clock)
    , prizes(files)
    , recovery(lists, files)
    , journal(lists, files.directory(), QStringLiteral(RAFFLER_VERSION))
    , seal(files.pathOf(DrawSeal::kFileName))
    , intake(link, settings, lists, tokenizer)
    , colours(link, input, journal)
    , announcements(link, settings, prizes, intake, journal)
    , picker(clock, seal)
    , raffle(*this)
    , lister(*this)
{
    journal.setFallbackDirectory(files.fallbackDirectory());
}

void GameSession::saveSettings()
{
    QMap<int, QString> changed;
    for (const int index : settings.changedSinceFile())
        changed.insert(index, settings.item(index));
    const bool saved = settings.save(store);
    journal.append(JournalEntries::settings(changed, saved));
}

void GameSession::finishStart(QLatin1StringView game, const QByteArray &commitment)
{
    lists.ledger.add(intake.host());
    recovery.WriteRecovery();
    journal.append(JournalEntries::start(game, state.opening, intake.host(), commitment));
}

void GameSession::sayLists(QLatin1StringView game, const QString &headline, const QStringList &names,
                           const PlayerList &winners)
{
    announcements.sayList(headline, names);
    if (settings.isChecked(HostSettings::Check::SayWinnersList)) {
        const QStringList &won = winners.names();
        announcements.sayList(RoomLines::winnersHeadline(won.size(), settings.item(HostSettings::FirstLineOnList)),
                              won);
    }
    recovery.WriteRecovery();
    journal.append(JournalEntries::sayList(game, names.size()));
}

bool GameSession::restoreLists(const QList<JournalEntry> &entries, qint64 seq, const QString &fromFile)
{
    const std::optional<ListState> after = JournalRestore::stateAfter(entries, seq);
    if (!after)
        return false;
    JournalRestore::apply(*after, lists);
    const JournalEntries::KnownCounters counters = JournalEntries::countersAfter(entries, seq);
    if (counters.round)
        settings.setItem(HostSettings::Round, *counters.round);
    if (counters.counter)
        state.drawCounter = *counters.counter;
    journal.append(CheckedEntries::restore(seq, fromFile));
    recovery.WriteRecovery();
    return true;
}
