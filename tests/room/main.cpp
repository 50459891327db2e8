#include "chatroomtest.h"
#include "endtoendtest.h"
#include "roomlinktest.h"
#include "roomprotocoltest.h"

#include <QCoreApplication>
#include <QTest>

// Unlike the other folders these tests talk to a real room, so there is no
// scripted client to reset between classes.
template<typename... Tests>
int runTests(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const auto run = [&](auto test) { return QTest::qExec(&test, argc, argv); };
    return (run(Tests()) + ...);
}

int main(int argc, char *argv[])
{
    return runTests<RoomProtocolTest, ChatroomTest, RoomLinkTest, EndToEndTest>(argc, argv);
}
