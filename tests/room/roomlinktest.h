#pragma once

#include <QObject>

// The room library (libwadapi.so) against a real headless chatroom, seen
// through the program's own chat link.
class RoomLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void carriesLinesBothWays_data();
    void carriesLinesBothWays();
    void answersWithInjectedStatuses_data();
    void answersWithInjectedStatuses();
    void injectedStatusHoldsBackTheTranscript();
    void deliversALateTranscriptFromTheEventLoop_data();
    void deliversALateTranscriptFromTheEventLoop();
    void failsQuietlyWhenTheRoomDies();
    void failsWhenTheRoomIsStuck();
    void refusesToStartWithoutARoom();
    void botsAnswerTheInvitation();
    void secondRoomLeavesTheLiveOneAlone();
    void startsWithATranscriptFile();
    void refusesBadOptions_data();
    void refusesBadOptions();
    void headlessRoomEndsWithItsInput();
};
