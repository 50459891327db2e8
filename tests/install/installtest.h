#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

// The program as a host gets it: installed into a scratch prefix, and built
// into a Debian package.
class InstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsEveryPartInItsPlace();
    void menuEntriesStartInstalledPrograms();
    void metainfoIsValid();
    void installedProgramFindsItsOwnRoomLibrary();
    void installedProgramHostsAgainstInstalledRoom();
    void commandLines_data();
    void commandLines();
    void packageHoldsTheInstall();

private:
    QString installed(const QString &path) const { return m_prefix + u'/' + path; }

    QTemporaryDir m_scratch;
    QString m_prefix;
};
