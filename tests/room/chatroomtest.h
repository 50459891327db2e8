#pragma once

#include <QObject>

// The room's standard input without a socket: lines cut from any slicing,
// its command set and what it refuses.
class ChatroomTest : public QObject
{
    Q_OBJECT

private slots:
    void carriesOutCommands_data();
    void carriesOutCommands();
};
