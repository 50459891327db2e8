// Renders the main window at its sizes into PNG files for the documentation,
// from the real program started against the scripted chat client.
#include "about/frmabout.h"
#include "chat/clock.h"
#include "window/appearance.h"
#include "window/helpmenu.h"
#include "window/program.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

void save(QWidget &window, const QDir &out, const QString &name)
{
    QApplication::processEvents();
    window.grab().save(out.filePath(name));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(out.path());

    QTemporaryDir files;
    SystemClock clock;
    Program program(clock, {files.path(), files.path()});
    if (!program.Draw_Load())
        return 1;
    program.window().show();
    save(program.window(), out, QStringLiteral("window-compact.png"));

    program.layout().showSettingsPanel(WindowLayout::Frame9);
    save(program.window(), out, QStringLiteral("window-settings.png"));

    const auto trigger = [&program](const QString &name) { program.window().findChild<QAction *>(name)->trigger(); };
    trigger(QStringLiteral("mnuEdit"));
    program.macros().setText(0, QStringLiteral("Welcome to the raffle!\r\nSend me a $ to get on the list"));
    save(program.window(), out, QStringLiteral("window-macros.png"));

    trigger(QStringLiteral("mnuAbout1"));
    if (frmAbout *about = program.helpMenu().aboutBox())
        save(*about, out, QStringLiteral("about.png"));
    return 0;
}
