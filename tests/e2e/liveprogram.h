#pragma once

#include "roomprocess.h"
#include "support/fakeclock.h"
#include "support/scriptedprompts.h"
#include "ui_mainwindow.h"
#include "window/program.h"

#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

// The whole program against a headless chatroom: the real room library, the
// room's own transcript and call log, the program's files in a folder of
// their own. Pauses run on virtual time, so a game's lines follow each other
// at once; the room and its bots keep real time.
struct LiveProgram
{
    RoomProcess room;
    QTemporaryDir dir;
    FakeClock clock;
    SystemClock realClock;
    bool realTime = false; // waits on the real clock, for the bounds themselves
    ScriptedPrompts prompts;
    std::unique_ptr<Program> program;

    ~LiveProgram() { stop(); }

    // Starts the room with the given options and the program against it.
    bool start(const QStringList &roomOptions = {});
    // Starts the program again in the same folder, as after a restart.
    bool restart();
    void stop();

    // What the host does in the window: presses the button with this caption
    // in the panels in view (of the main window, or of another window the
    // program opened), chooses a menu bar item ("Settings > Lister"), or
    // right-clicks the selected entry of a list in view and chooses from its
    // menu. The test fails unless exactly one such control is there to use.
    void press(QStringView caption, QWidget *window = nullptr);
    void choose(QStringView path);
    void chooseOver(QStringView list, QStringView path);
    // Presses "Get Reg" until the queue holds `count` players.
    bool takeIn(int count);

    // The room's log entries for the calls the program made since mark().
    void mark() { m_marked = room.log().size(); }
    QList<QJsonObject> callsSinceMark() const;
    // "say: TEXT" for room lines and "esp NAME: TEXT" for ESPs, since mark().
    QStringList linesSinceMark() const;
    QByteArray recoveryFile() const;

private:
    qsizetype m_marked = 0;
};
