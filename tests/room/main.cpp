#include "chatroomtest.h"
#include "roomlinktest.h"

#include <QApplication>
#include <QTest>

// Unlike the other folders these tests talk to a real room, so there is no
// scripted client to reset between classes.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ChatroomTest chatroom;
    RoomLinkTest link;
    return QTest::qExec(&chatroom, argc, argv) + QTest::qExec(&link, argc, argv);
}
