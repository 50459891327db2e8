#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// Finds the registrations in a transcript: every "ESP from" sender whose text
// starts with the registration symbol, after the newest host marker, who is
// not registered yet and whose removal the host has not announced after the
// ESP. The names come in the order of their ESP lines. Runs in time linear
// in the transcript's length.
namespace RegistrationScan {

// The part of the transcript after the line of the newest host marker (the
// whole transcript when there is none). Only the host's room lines count.
QStringView afterNewestMarker(QStringView transcript, const QString &host);

// What a scan found: the players taken in, each with the line that
// registered it, and those who asked again though the ledger held them
// already, each once.
struct Found
{
    struct Registration
    {
        QString name;
        QString line;
    };
    QList<Registration> taken;
    QStringList refused;
};

// registered: the names already in the ledger; a name in it is never taken.
Found scan(QStringView transcript, const QString &symbol, const QString &host, const QSet<QString> &registered);

} // namespace RegistrationScan
