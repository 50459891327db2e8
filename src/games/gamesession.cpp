#include "games/gamesession.h"

GameSession::GameSession(Clock &clock, FileStore &store)
    : link(clock)
    , prizes(store)
    , recovery(lists, store)
    , intake(link, settings, lists, tokenizer)
    , colours(link, input)
    , announcements(link, settings, prizes, intake)
    , picker(clock)
    , raffle({link, settings, prizes, lists, intake, recovery, input, colours, state, announcements, picker})
    , lister({link, settings, lists, intake, recovery, input, colours, state, announcements})
{}
