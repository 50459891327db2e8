// Renders the pictures of the guide and the README from the real program:
// it hosts a short game against the stand-in room, which runs in this same
// process on a socket of its own, and grabs every panel, menu and window on
// the way.
#include "about/aboutbox.h"
#include "about/programicon.h"
#include "bots.h"
#include "chat/clock.h"
#include "journal/checkedentries.h"
#include "pictures.h"
#include "roomserver.h"
#include "roomservice.h"
#include "roomtranscript.h"
#include "roomwindow.h"
#include "ui_mainwindow.h"
#include "window/appearance.h"
#include "window/filemenu.h"
#include "window/helpmenu.h"
#include "window/historywindow.h"
#include "window/program.h"
#include "window/windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBots = 5;

class Shooter
{
public:
    explicit Shooter(const QDir &out)
        : m_out(out)
    {}

    bool save(const QImage &image, const QString &name) const
    {
        const bool saved = Pictures::compact(image).save(m_out.filePath(name));
        if (!saved)
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(m_out.filePath(name)));
        return saved;
    }

    static QPixmap grab(QWidget &widget)
    {
        QApplication::processEvents();
        return widget.grab();
    }

    bool window(QWidget &widget, const QString &name) const
    {
        return save(Pictures::framed(grab(widget), widget.windowTitle(), programIcon()), name);
    }

private:
    QDir m_out;
};

// Lets the event loop run until done() holds or the time is up.
bool waitUntil(const std::function<bool()> &done, int ms)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    poll.start(50);
    if (!done())
        loop.exec();
    return done();
}

// A menu as it pops up, grabbed.
QPixmap popped(QMenu *menu, QPoint at)
{
    menu->popup(at);
    QPixmap pixmap = Shooter::grab(*menu);
    menu->hide();
    return pixmap;
}

// A menu popped up at `at` in the window and, beside it, one of its
// submenus: their pictures, placed over the window's.
QList<Pictures::Overlay> poppedAt(MainWindow &window, QMenu *menu, QMenu *submenu, QPoint at)
{
    menu->popup(window.mapToGlobal(at));
    QList<Pictures::Overlay> overlays{{Shooter::grab(*menu), at}};
    if (submenu) {
        const QRect item = menu->actionGeometry(submenu->menuAction());
        const QPoint subAt = at + QPoint(menu->width() - 4, item.top());
        overlays << Pictures::Overlay{popped(submenu, window.mapToGlobal(subAt)), subAt};
    }
    menu->hide();
    return overlays;
}

// A pop-up menu over a list and, beside it, one of its submenus.
QImage listMenu(MainWindow &window, QListView *list, QMenu *menu, QMenu *submenu)
{
    const QPixmap base = Shooter::grab(window);
    const QRect listRect(list->mapTo(&window, QPoint(0, 0)), list->size());
    const QPoint at = listRect.topLeft() + QPoint(24, 14);
    const QList<Pictures::Overlay> overlays = poppedAt(window, menu, submenu, at);
    return Pictures::withMenus(base, overlays, listRect);
}

// A menu of the menu bar dropped down and, beside it, one of its submenus.
QImage barMenu(MainWindow &window, QMenu *menu, QMenu *submenu)
{
    const QPixmap base = Shooter::grab(window);
    QMenuBar *bar = window.menuBar();
    const QRect title = bar->actionGeometry(menu->menuAction());
    const QPoint at = bar->mapTo(&window, title.bottomLeft() + QPoint(0, 1));
    const QList<Pictures::Overlay> overlays = poppedAt(window, menu, submenu, at);
    return Pictures::withMenus(base, overlays, QRect(QPoint(0, 0), QSize(window.width(), bar->height())));
}

void select(QListView *list, int row)
{
    list->setCurrentIndex(list->model()->index(row, 0));
}

int registrations(const RoomTranscript &transcript)
{
    return static_cast<int>(transcript.text().count("ESP from "));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(out.path());
    const Shooter shoot(out);

    // The stand-in room with a few players, listening where only this
    // program looks for it.
    RoomTranscript transcript;
    RoomService service(transcript, QByteArrayLiteral("Host"));
    Bots bots(transcript, QByteArrayLiteral("Host"));
    bots.setCount(kBots);
    RoomServer server(service);
    const QString socket = u"wadapi-room-screenshots-"_s + QString::number(QCoreApplication::applicationPid());
    if (QString error; !server.listen(socket, &error)) {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(error));
        return 1;
    }
    qputenv("WADAPI_ROOM", socket.toLocal8Bit());
    RoomWindow room(transcript, service, bots, server);
    room.resize(560, 460);
    room.show();

    QTemporaryDir files;
    SystemClock clock;
    Program program(clock, {files.path(), files.path()});
    if (!program.Draw_Load())
        return 1;
    MainWindow &window = program.window();
    Ui::MainWindow &ui = window.ui();
    window.show();
    shoot.window(window, u"window-compact.png"_s);

    // A raffle: no pauses between lines, so the pictures come quickly.
    program.session().settings.setItem(HostSettings::Delay, u"0"_s);
    program.session().prizes.setPrize(0, u"500 tokens"_s);
    program.session().prizes.setPrize(1, u"A golden head"_s);
    ui.Check3->click(); // "Say Prizes?"
    ui.cmdStart->click();
    if (!waitUntil([&] { return registrations(transcript) >= kBots; }, 10000)) {
        std::fputs("screenshots: the room's players did not register\n", stderr);
        return 1;
    }
    ui.cmdGetText->click();
    ui.Command3->click();
    ui.Command3->click();
    select(ui.List1, 0);
    window.controls().colours[ColourCaller::Red].fromWinners->trigger();
    for (QListView *list : {ui.lstAvatars, ui.List1, ui.List3, ui.List4})
        list->clearSelection();

    shoot.window(window, u"window-raffle.png"_s);
    shoot.save(Pictures::sideBySide({Pictures::framed(Shooter::grab(window), window.windowTitle(), programIcon()),
                                     Pictures::framed(Shooter::grab(room), room.windowTitle(), programIcon())}),
               u"first-game.png"_s);
    shoot.save(listMenu(window, ui.lstAvatars, ui.mnuAvi, nullptr), u"popup-players.png"_s);
    shoot.save(listMenu(window, ui.List1, ui.mnuColor, ui.mnuColors), u"popup-winners.png"_s);

    ui.Command21->click(); // "Colors Caller"
    shoot.window(window, u"window-colours.png"_s);
    ui.Command24->click(); // its "Ok"

    ui.mnuLister->trigger();
    ui.Command7->click(); // "Call Next"
    ui.List3->clearSelection();
    shoot.window(window, u"window-lister.png"_s);
    shoot.save(listMenu(window, ui.List3, ui.mnuLstLister, nullptr), u"popup-queue.png"_s);
    shoot.save(listMenu(window, ui.List4, ui.mnuColor1, ui.mnuColor8), u"popup-called.png"_s);
    ui.mnuRaffler->trigger();

    program.session().settings.setItem(HostSettings::Delay, u"1"_s);
    shoot.save(barMenu(window, ui.mnuFile, nullptr), u"menu-file.png"_s);
    shoot.save(barMenu(window, ui.mnuSettings, ui.mnuDelay), u"menu-settings.png"_s);
    shoot.save(barMenu(window, ui.mnuSettings, ui.mnuHoater), u"menu-hoster-settings.png"_s);
    shoot.save(barMenu(window, ui.mnuMacros, nullptr), u"menu-macros.png"_s);
    shoot.save(barMenu(window, ui.mnuHelp, nullptr), u"menu-help.png"_s);

    ui.Command16->click();
    shoot.window(window, u"window-settings-main.png"_s);
    ui.Command15->click();
    shoot.window(window, u"window-settings-raffler.png"_s);
    ui.Command14->click();
    shoot.window(window, u"window-settings-lister.png"_s);
    ui.Command17->click(); // "Ok"

    ui.mnuEdit->trigger();
    program.macros().setText(0, u"Welcome to the raffle!\r\nSend me a $ to get on the list"_s);
    shoot.window(window, u"window-macros.png"_s);
    ui.Command6->click(); // "Ok"

    // The evening so far in the History window, the first draw chosen.
    ui.mnuHistory->trigger();
    HistoryWindow *history = program.fileMenu().historyWindow();
    if (!history)
        return 1;
    history->resize(760, 420);
    for (const JournalEntry &entry : program.session().journal.entries()) {
        if (entry.op() == CheckedEntries::kDraw) {
            history->selectEntry(entry.seq());
            break;
        }
    }
    shoot.window(*history, u"history.png"_s);
    history->close();

    ui.mnuAbout1->trigger();
    AboutBox *about = program.helpMenu().aboutBox();
    if (!about)
        return 1;
    shoot.window(*about, u"about.png"_s);
    about->cmdOK_Click();

    window.close();
    return 0;
}
