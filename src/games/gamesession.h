#pragma once

#include "chat/chatlink.h"
#include "chat/tokenizer.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/drawseal.h"
#include "games/gamestate.h"
#include "games/lister.h"
#include "games/raffle.h"
#include "games/registrationintake.h"
#include "games/winnerpicker.h"
#include "interaction/windowinput.h"
#include "journal/journalwriter.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

class Clock;
class FileStore;
struct JournalEntry;

// Everything the games work on, wired together: the chat link, the settings
// and prizes, the five player lists with their recovery file and the
// evening's journal, the host look-up and the registration intake, and the
// raffle, the Lister and the colours caller. The window binds its controls
// to these; tests play the games on them without a window.
struct GameSession
{
    GameSession(Clock &clock, FileStore &files);

    // The end of either game's Start: the host into the ledger, the lists
    // saved and the start on record; commitment: the raffle's seal, if any.
    void finishStart(QLatin1StringView game, const QByteArray &commitment = {});
    // Either game's Say List: its list under its headline, then its winners
    // when "Say Winners List?" is ticked; the lists saved and the saying on record.
    void sayLists(QLatin1StringView game, const QString &headline, const QStringList &names, const PlayerList &winners);

    // "Ok" of the settings: Settings.txt saved, and the items that changed
    // since it was last read or saved put on record.
    void saveSettings();

    // Puts the five lists back as they were right after the entry numbered
    // seq of a journal (this run's, or one from the file named), with the
    // raffle's round and draw counter where the journal tells them, records
    // the restore and saves the recovery file. The room hears nothing. False,
    // with nothing changed, when the journal cannot be replayed to there.
    bool restoreLists(const QList<JournalEntry> &entries, qint64 seq, const QString &fromFile = {});

    FileStore &store;
    ChatLink link;
    // The one tokenizer the host look-up and the macro sender share.
    Tokenizer tokenizer;
    WindowInput input;
    HostSettings settings;
    PrizeList prizes;
    PlayerLists lists;
    Recovery recovery;
    JournalWriter journal;
    DrawSeal seal;
    RegistrationIntake intake;
    GameState state;
    ColourCaller colours;
    Announcements announcements;
    WinnerPicker picker;
    Raffle raffle;
    Lister lister;
};
