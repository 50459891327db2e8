#include "installtest.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    InstallTest test;
    return QTest::qExec(&test, argc, argv);
}
