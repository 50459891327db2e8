#include "chatroomtest.h"
#include "endtoendtest.h"
#include "linesplittertest.h"
#include "roomlinktest.h"
#include "roomprotocoltest.h"
#include "roomwindowtest.h"

#include <QApplication>
#include <QTest>

// Unlike the other folders these tests talk to a real room, so there is no
// scripted client to reset between classes.
namespace {

template<typename Test>
int runOne(int argc, char *argv[])
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template<typename... Tests>
int runAll(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    // One class after the other, in the order listed.
    ((failures += runOne<Tests>(argc, argv)), ...);
    return failures;
}

} // namespace

int main(int argc, char *argv[])
{
    return runAll<RoomProtocolTest, LineSplitterTest, ChatroomTest, RoomWindowTest, RoomLinkTest, EndToEndTest>(argc, argv);
}
