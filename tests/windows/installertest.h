#pragma once

#include <QObject>
#include <QString>

// The installer as a host meets it: installed without questions, the
// installed program hosting a game against the installed stand-in room by
// the Start menu's shortcuts, then uninstalled, leaving the host's files.
class InstallerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsEveryPartAndItsShortcuts();
    void installedProgramHostsAGameAgainstTheStandIn();
    void uninstallingLeavesTheHostsFiles();

private:
    QString m_folder; // where it was installed
    QString m_menu;   // its Start menu folder
};
