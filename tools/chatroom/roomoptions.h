#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The room's command line:
//   --socket NAME  --host NAME  --log FILE  --transcript FILE  --bots N  --headless
//   --help  --version
struct RoomOptions
{
    QString socket = QStringLiteral("wadapi-room");
    QByteArray host = "Host"; // Windows-1252, like every name in the room
    QString logFile;
    QString transcriptFile;
    int bots = 0;
    bool headless = false;
    bool help = false;
    bool version = false;

    // Fills the options from the arguments (the program's name first); the
    // reason when they are not usable, else empty.
    QString parse(const QStringList &arguments);

    static QString usage();
    static QString versionText();
};
