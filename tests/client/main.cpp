#include "clientlibrarytest.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    ClientLibraryTest test;
    return QTest::qExec(&test, argc, argv);
}
