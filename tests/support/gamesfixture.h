#pragma once

#include "core/filestore.h"
#include "games/gamesession.h"
#include "support/fakeclock.h"
#include "support/listtext.h"
#include "support/recordedcalls.h"

#include <QTemporaryDir>

#include <functional>

// The games on virtual time against the scripted chat client, with their
// files in a folder of their own, and no window. Every call to the client
// is recorded with the virtual moment it was made.
struct GamesFixture : RecordedCalls
{
    QTemporaryDir dir;
    FakeClock clock;
    FileStore store;
    GameSession session;

    GamesFixture();
    ~GamesFixture();

    // A click of the host's: nothing happens while the window takes no input.
    void press(const std::function<void()> &operation);

    QByteArray recoveryFile() const { return recoveryFileIn(dir.path()); }
};
