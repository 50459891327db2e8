#include "evenings.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Evenings evenings;
    return QTest::qExec(&evenings, argc, argv);
}
