#pragma once

#include <QObject>

// The room library (libwadapi.so) against a real headless chatroom, seen
// through the program's own chat link, and the chatroom's own start and end.
class RoomLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void carriesLinesBothWays();
    void answersWithInjectedStatuses();
    void deliversALateTranscriptFromTheEventLoop_data();
    void deliversALateTranscriptFromTheEventLoop();
    void failsQuietlyWhenTheRoomDiesOrHangs_data();
    void failsQuietlyWhenTheRoomDiesOrHangs();
    void refusesToStartWithoutARoom();
    void secondRoomLeavesTheLiveOneAlone();
    void refusesBadOptions_data();
    void refusesBadOptions();
    void headlessRoomEndsWithItsInput();
};
