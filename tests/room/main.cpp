#include "endtoendtest.h"
#include "roomlinktest.h"

#include <QCoreApplication>
#include <QTest>

// Unlike the other folders these tests talk to a real room, so there is no
// scripted client to reset between classes.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    {
        RoomLinkTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        EndToEndTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures;
}
