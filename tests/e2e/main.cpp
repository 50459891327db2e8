#include "evenings.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The test framework's crash handler would take SIGPIPE for a crash; the
    // room library ignores it, as the program must when its chat client dies.
    QStringList arguments = app.arguments();
    arguments.insert(1, QStringLiteral("-nocrashhandler"));
    Evenings evenings;
    return QTest::qExec(&evenings, arguments);
}
