#include "games/gamesession.h"

#include "core/filestore.h"
#include "games/journalentries.h"
#include "journal/journalops.h"
#include "journal/journalrestore.h"

#include <QJsonObject>

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
    , raffle({link, settings, prizes, lists, intake, recovery, input, colours, state, announcements, picker, journal,
              seal})
    , lister({link, settings, lists, intake, recovery, input, colours, state, announcements, journal})
{
    journal.setFallbackDirectory(files.fallbackDirectory());
}

void GameSession::saveSettings()
{
    QJsonObject changed;
    for (const int index : settings.changedSinceFile())
        changed.insert(QString::number(index), settings.item(index));
    QJsonObject fields{{QStringLiteral("changed"), changed}};
    if (!settings.save(store))
        fields.insert(QStringLiteral("saved"), false);
    journal.append(JournalOps::kSettings, fields);
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
    QJsonObject fields{{QStringLiteral("to"), seq}};
    if (!fromFile.isEmpty())
        fields.insert(QStringLiteral("file"), fromFile);
    journal.append(JournalOps::kRestore, fields);
    recovery.WriteRecovery();
    return true;
}
