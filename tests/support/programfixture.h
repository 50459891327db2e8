#pragma once

#include "scriptedwadapi.h"
#include "support/fakeclock.h"
#include "support/listtext.h"
#include "support/recordedcalls.h"
#include "support/scriptedprompts.h"
#include "ui_mainwindow.h"
#include "window/program.h"

#include <QTemporaryDir>

#include <memory>

// A whole program on virtual time, started against the scripted chat
// client in a directory of its own. Every call to the client is recorded
// with the virtual moment it was made.
struct ProgramFixture : RecordedCalls
{
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    std::unique_ptr<Program> program;

    explicit ProgramFixture(bool load = true)
    {
        ScriptedWadapi::reset();
        ScriptedWadapi::setTimeSource([this] { return clock.nowMs(); });
        program = std::make_unique<Program>(clock, Program::Places{dir.path(), dir.path() + QStringLiteral("/user")},
                                            &prompts);
        if (load)
            program->Draw_Load();
    }

    ~ProgramFixture() { ScriptedWadapi::setTimeSource({}); }

    Ui::MainWindow &ui() { return program->window().ui(); }

    QByteArray recoveryFile() const { return recoveryFileIn(dir.path()); }
};
