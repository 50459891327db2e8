#include "recordingtest.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    RecordingTest recording;
    return QTest::qExec(&recording, argc, argv);
}
