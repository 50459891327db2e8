#pragma once

#include <QObject>

// The room's own workings without a socket: its commands, its answers to
// the program's calls and the bots' ear for the invitation.
class ChatroomTest : public QObject
{
    Q_OBJECT

private slots:
    void carriesOutCommands_data();
    void carriesOutCommands();
    void answersCalls_data();
    void answersCalls();
    void hearsTheInvitation_data();
    void hearsTheInvitation();
    void keepsTheNewestLinesWhenFull();
};
