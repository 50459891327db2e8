#pragma once

#include "chat/chatlink.h"
#include "chat/tokenizer.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/gamestate.h"
#include "games/lister.h"
#include "games/raffle.h"
#include "games/registrationintake.h"
#include "games/winnerpicker.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

class Clock;
class FileStore;

// Everything the games work on, wired together: the chat link, the settings
// and prizes, the five player lists with their recovery file, the host
// look-up and the registration intake, and the raffle, the Lister and the
// colours caller. The window binds its controls to these; tests play the
// games on them without a window.
struct GameSession
{
    GameSession(Clock &clock, FileStore &store);

    ChatLink link;
    // The one tokenizer the host look-up and the macro sender share.
    Tokenizer tokenizer;
    WindowInput input;
    HostSettings settings;
    PrizeList prizes;
    PlayerLists lists;
    Recovery recovery;
    RegistrationIntake intake;
    GameState state;
    ColourCaller colours;
    Announcements announcements;
    WinnerPicker picker;
    Raffle raffle;
    Lister lister;
};
