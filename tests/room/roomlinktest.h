#pragma once

#include <QObject>

// The room library (libwadapi.so) against a real headless chatroom, seen
// through the program's own chat link, and the real program started against
// a room.
class RoomLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void carriesLinesAndStatusesBothWays();
    void deliversALateTranscriptFromTheEventLoop_data();
    void deliversALateTranscriptFromTheEventLoop();
    void failsQuietlyWhenTheRoomDiesOrHangs_data();
    void failsQuietlyWhenTheRoomDiesOrHangs();
    void refusesToStartWithoutARoom();
    void programClosesTheLinkOnTermination();
    void programDoesNotStartWithoutARoom();
};
