#include "roomoptions.h"

#include "bots.h"
#include "roomtext.h"
#include "version.h"

#include <QCommandLineParser>

namespace {

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption socket{QStringLiteral("socket"), QStringLiteral("Local socket to listen on."),
                              QStringLiteral("NAME")};
    QCommandLineOption host{QStringLiteral("host"), QStringLiteral("The host avatar's name (default Host)."),
                            QStringLiteral("NAME")};
    QCommandLineOption log{QStringLiteral("log"), QStringLiteral("Append every answered call to FILE as JSON lines."),
                           QStringLiteral("FILE")};
    QCommandLineOption transcript{QStringLiteral("transcript"),
                                  QStringLiteral("Start with this transcript (Windows-1252 text)."),
                                  QStringLiteral("FILE")};
    QCommandLineOption bots{QStringLiteral("bots"), QStringLiteral("Number of simulated players."),
                            QStringLiteral("N")};
    QCommandLineOption headless{QStringLiteral("headless"), QStringLiteral("Run without a window.")};
    // Not addHelpOption(): its --help-all promises Qt's options, which only
    // QApplication knows.
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")};

    Parser()
    {
        parser.setApplicationDescription(
            QStringLiteral("A stand-in chat client for hosting games on one machine.\n"
                           "Commands on standard input: say NAME: TEXT, esp NAME: TEXT, line TEXT,\n"
                           "load FILE, clear, status CODE [COUNT], late MS, bots N, quit."));
        parser.addOption(help);
        parser.addVersionOption();
        parser.addOptions({socket, host, log, transcript, bots, headless});
    }
};

} // namespace

QString RoomOptions::parse(const QStringList &arguments)
{
    Parser p;
    if (!p.parser.parse(arguments))
        return p.parser.errorText();
    help = p.parser.isSet(p.help);
    version = p.parser.isSet(QStringLiteral("version"));
    if (!p.parser.positionalArguments().isEmpty())
        return QStringLiteral("unexpected argument \"%1\"").arg(p.parser.positionalArguments().first());
    if (p.parser.isSet(p.socket)) {
        socket = p.parser.value(p.socket);
        if (socket.isEmpty())
            return QStringLiteral("the socket name is empty");
    }
    if (p.parser.isSet(p.host)) {
        const QString name = p.parser.value(p.host);
        QString error;
        const auto bytes = RoomText::fromUnicode(name, &error);
        if (!bytes)
            return QStringLiteral("--host: %1").arg(error);
        if (bytes->trimmed().isEmpty() || bytes->contains(": "))
            return QStringLiteral("--host: the name must not be empty nor hold \": \"");
        host = *bytes;
    }
    logFile = p.parser.value(p.log);
    transcriptFile = p.parser.value(p.transcript);
    if (p.parser.isSet(p.bots)) {
        bool ok = false;
        bots = p.parser.value(p.bots).toInt(&ok);
        if (!ok || bots < 0 || bots > Bots::kMax)
            return QStringLiteral("--bots: expected a whole number from 0 to %1").arg(Bots::kMax);
    }
    headless = p.parser.isSet(p.headless);
    return {};
}

QString RoomOptions::usage()
{
    return Parser().parser.helpText();
}

QString RoomOptions::versionText()
{
    return QStringLiteral("raffler-chatroom (Corvane's Raffler) " RAFFLER_VERSION "\n");
}
