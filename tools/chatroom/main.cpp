// raffler-chatroom: a stand-in for the chat client, so that a game can be
// hosted on one machine and tests can drive the real program end to end.

#include "bots.h"
#include "calllog.h"
#include "commandinterpreter.h"
#include "core/terminationsignals.h"
#include "roomoptions.h"
#include "roomserver.h"
#include "roomservice.h"
#include "roomtext.h"
#include "roomtranscript.h"
#include "roomwindow.h"
#include "stdinreader.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void complain(const QString &message)
{
    std::fprintf(stderr, "raffler-chatroom: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Lines end in a line feed alone, as everywhere else: whatever reads the
    // room's answers need not care where it runs.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Options first, so that a mistake is reported even where no display is.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    RoomOptions options;
    if (const QString error = options.parse(arguments); !error.isEmpty()) {
        complain(error);
        return 2;
    }
    if (options.help || options.version) {
        const QCoreApplication app(argc, argv); // names the program in the help
        const QString answer = options.help ? RoomOptions::usage() : RoomOptions::versionText();
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return 0;
    }

    // The window needs a display; a headless room must not ask for one.
    std::unique_ptr<QCoreApplication> app;
    if (options.headless)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("raffler-chatroom"));

    RoomTranscript transcript;
    if (!options.transcriptFile.isEmpty()) {
        QString error;
        const auto text = RoomText::readTranscriptFile(options.transcriptFile, &error);
        if (!text) {
            complain(error);
            return 2;
        }
        transcript.replace(*text);
    }
    CallLog log;
    if (!options.logFile.isEmpty()) {
        QString error;
        if (!log.open(options.logFile, &error)) {
            complain(error);
            return 2;
        }
    }

    RoomService service(transcript, options.host, &log);
    Bots bots(transcript, options.host);
    bots.setCount(options.bots);
    RoomServer server(service);
    if (QString error; !server.listen(options.socket, &error)) {
        complain(error);
        return 1;
    }

    CommandInterpreter commands(transcript, service, bots);
    QObject::connect(&commands, &CommandInterpreter::quitRequested, app.get(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    StdinReader input;
    QObject::connect(&input, &StdinReader::lineRead, &commands, [&commands](const QByteArray &line) {
        if (const QString error = commands.execute(line); !error.isEmpty())
            complain(error);
    });
    QObject::connect(&input, &StdinReader::lineTooLong, &commands,
                     [] { complain(QStringLiteral("a command line longer than 1 MiB was skipped")); });
    // Without a window nobody could end a room whose input is gone; with one,
    // the window is how it ends.
    if (options.headless)
        QObject::connect(&input, &StdinReader::finished, app.get(), &QCoreApplication::quit, Qt::QueuedConnection);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, app.get(), &QCoreApplication::quit);

    std::unique_ptr<RoomWindow> window;
    if (!options.headless) {
        window = std::make_unique<RoomWindow>(transcript, service, bots, server);
        window->show();
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return app->exec();
}
