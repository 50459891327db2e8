#pragma once

#include <QObject>

// What only Windows has: top-most windows as the window manager keeps them,
// the system's own file dialogs, the registry's system information tool and
// the per-user folder of a program installed under Program Files.
class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTopAndStayOnTopLetsGo();
    void fileDialogsAreTheSystemsOwn_data();
    void fileDialogsAreTheSystemsOwn();
    void findsTheSystemInformationToolInTheRegistry_data();
    void findsTheSystemInformationToolInTheRegistry();
    void keepsFilesPerUserWhenInstalledForEveryone_data();
    void keepsFilesPerUserWhenInstalledForEveryone();
};
