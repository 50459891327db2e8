#include "journalfiletest.h"
#include "recordingtest.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    RecordingTest recording;
    JournalFileTest file;
    return QTest::qExec(&recording, argc, argv) + QTest::qExec(&file, argc, argv);
}
