#include "evenings.h"
#include "faults.h"
#include "longevening.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Evenings evenings;
    Faults faults;
    LongEvening longEvening;
    return QTest::qExec(&evenings, argc, argv) + QTest::qExec(&faults, argc, argv)
        + QTest::qExec(&longEvening, argc, argv);
}
