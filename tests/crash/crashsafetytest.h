#pragma once

#include <QObject>

// The program is killed outright at random moments while it saves; every
// file it keeps must then be a complete version, never a mix or a stub.
class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void filesSurviveKillsAtRandomMoments();
    void aWinnerTheRoomHeardIsOnRecord_data();
    void aWinnerTheRoomHeardIsOnRecord();
};
