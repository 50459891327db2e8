#include "installertest.h"
#include "windowstest.h"

#include <QApplication>
#include <QTest>

// Runs on the windows platform, in an X server with a window manager, so
// that windows are real and on top as a host would see them.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane's Raffler"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    WindowsTest windows;
    InstallerTest installer;
    return QTest::qExec(&windows, argc, argv) | QTest::qExec(&installer, argc, argv);
}
