#include "app/commandline.h"
#include "chat/clock.h"
#include "core/terminationsignals.h"
#include "window/appearance.h"
#include "window/program.h"

#include <QApplication>
#include <QCoreApplication>

#ifdef RAFFLER_LOAD_CLIENT_LIBRARY
#include "clientlibrarysetup.h"
#include "window/widgetprompts.h"

#include <QSettings>
#endif

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before QApplication, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine(arguments);
    if (commandLine.request() != CommandLine::Request::Run) {
        const QCoreApplication core(argc, argv); // names the program in the help
        const CommandLine::Reply reply = commandLine.reply();
        std::fputs(reply.text.toLocal8Bit().constData(), reply.isError ? stderr : stdout);
        return reply.exitStatus;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane's Raffler"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setQuitOnLastWindowClosed(false);
    applyAppearance(app);

#ifdef RAFFLER_LOAD_CLIENT_LIBRARY
    // The chat client's own library, before anything calls it.
    ClientLibrary clientLibrary;
    {
        WidgetPrompts prompts(nullptr);
        QSettings remembered;
        if (!ClientLibrarySetup(clientLibrary, prompts, remembered).run(commandLine.chatClientFolder()))
            return 1;
    }
#endif

    SystemClock clock;
    Program program(clock, Program::Places{});
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit);

    // A termination request closes the window as its close box does; during
    // the start-up error box it ends the program at once.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &program, [&program] {
        if (program.window().isVisible())
            program.window().close();
        else
            QApplication::exit(1);
    });

    if (!program.Draw_Load())
        return 1;
    program.window().show();
    return QApplication::exec();
}
