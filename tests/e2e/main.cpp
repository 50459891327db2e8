#include "evenings.h"
#include "faults.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Evenings evenings;
    Faults faults;
    return QTest::qExec(&evenings, argc, argv) + QTest::qExec(&faults, argc, argv);
}
