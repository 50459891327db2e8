#include "support/gamesfixture.h"

#include "scriptedwadapi.h"

GamesFixture::GamesFixture()
    : store(dir.path(), dir.filePath(QStringLiteral("user")))
    , session(clock, store)
{
    ScriptedWadapi::reset();
    ScriptedWadapi::setTimeSource([this] { return clock.nowMs(); });
    session.link.InitDDE();
}

GamesFixture::~GamesFixture()
{
    ScriptedWadapi::setTimeSource({});
}

void GamesFixture::press(const std::function<void()> &operation)
{
    if (session.input.isEnabled())
        operation();
}
