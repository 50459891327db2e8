#include "settingsfile.h"
#include "support/hostilenames.h"
#include "support/programfixture.h"
#include "support/tooltipshows.h"
#include "windowtests.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QList<bool> delayMarks(const Ui::MainWindow &ui)
{
    return {ui.mnunone->isChecked(), ui.mnu1->isChecked(), ui.mnu2->isChecked(), ui.mnu3->isChecked()};
}

} // namespace

// The boxes show what the settings read from Settings.txt (which the
// settings' own tests check), and the Delay menu marks item 13 when it names one.
void WindowTest::startUpTakesThePreviousFilesAndReadiesTheWindow_data()
{
    QTest::addColumn<Items>("file");         // items that differ from the restored values
    QTest::addColumn<QList<bool>>("checks"); // Check1, Check2, Check3
    QTest::addColumn<QList<bool>>("delay");  // the marks of None, 1, 2 and 3

    QTest::newRow("all three on, delay 2") << Items{{13, u"2"_s}, {14, u"Yes"_s}, {15, u"Yes"_s}, {16, u"Yes"_s}}
                                           << QList<bool>{true, true, true} << QList<bool>{false, false, true, false};
    QTest::newRow("Say Prizes? on, delay 5 marks nothing new")
        << Items{{14, u"Yes"_s}, {13, u"5"_s}} << QList<bool>{false, false, true}
        << QList<bool>{true, false, false, false};
    QTest::newRow("all off, delay 1") << Items{} << QList<bool>{false, false, false}
                                      << QList<bool>{false, true, false, false};
}

void WindowTest::startUpTakesThePreviousFilesAndReadiesTheWindow()
{
    QFETCH(Items, file);
    QFETCH(QList<bool>, checks);
    QFETCH(QList<bool>, delay);

    ProgramFixture f(false);
    MainWindow &window = f.program->window();
    Ui::MainWindow &ui = f.ui();
    HostSettings &settings = f.program->session().settings;
    writeSettings(f, file);
    QVERIFY(f.program->Draw_Load());

    QCOMPARE((QList<bool>{ui.Check1->isChecked(), ui.Check2->isChecked(), ui.Check3->isChecked()}), checks);
    QCOMPARE(delayMarks(ui), delay);

    // The window is ready for the first game and its menus follow the host.
    QVERIFY(ui.Option1->isChecked());
    for (int i = 0; i < 20; ++i)
        QCOMPARE(ui.fra1->findChild<QWidget *>(u"txtText_"_s + QString::number(i))->isHidden(), i != 0);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(ui.Frame17->findChild<QWidget *>(u"txtPrizes_"_s + QString::number(i))->isHidden(), i != 0);
    QCOMPARE(ui.Frame17->title(), u"Prize # 1"_s);
    QCOMPARE(ui.txtText_0->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    // The boxes the program sets itself are shown disabled.
    for (QLineEdit *computed : {ui.txtSettings_7, ui.txtSettings_8, ui.txtSettings_13})
        QVERIFY(!computed->isEnabled());
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.pos(),
             QPoint((screen.width() - MainWindow::pixels(3855)) / 2, (screen.height() - MainWindow::pixels(5475)) / 2));
    QVERIFY(!window.isVisible()); // shown by the caller once start-up is through

    // Stay On Top starts marked and follows its mark.
    for (const bool on : {true, false, true}) {
        QCOMPARE(ui.mnuStay->isChecked(), on);
        QCOMPARE(window.isStayOnTop(), on);
        ui.mnuStay->trigger();
    }

    // The Delay menu, its scroll bar and item 13 follow one another.
    ui.mnu2->trigger();
    QCOMPARE(settings.item(13), u"2"_s);
    QCOMPARE(ui.VScroll2->value(), 1);
    ui.mnu2->trigger(); // choosing the marked item keeps its mark
    QCOMPARE(delayMarks(ui), (QList<bool>{false, false, true, false}));
    ui.VScroll2->setValue(0);
    QCOMPARE(settings.item(13), u"0"_s);
    QCOMPARE(delayMarks(ui), (QList<bool>{true, false, false, false}));
    ui.Command2->click(); // Restore Defults: the delay reads 1, the marks stay
    QCOMPARE(settings.item(13), u"1"_s);
    QCOMPARE(delayMarks(ui), (QList<bool>{true, false, false, false}));
    QCOMPARE(ui.VScroll2->value(), 0);

    // Every keystroke in a box reaches the table, and every change of the
    // table shows in its box.
    ui.txtSettings_1->clear();
    QTest::keyClicks(ui.txtSettings_1, u"Ann's"_s);
    QCOMPARE(settings.item(1), u"Ann's"_s);
    for (int i = 0; i < HostSettings::kCount; ++i) {
        if (auto *box = ui.client->findChild<QLineEdit *>(u"txtSettings_%1"_s.arg(i))) {
            settings.setItem(i, u"Item %1"_s.arg(i));
            QCOMPARE(box->text(), settings.item(i)); // item 8 follows item 9
        }
    }
}

void WindowTest::startUpStopsWithoutTheChatClient()
{
    ProgramFixture f(false);
    writeSettings(f, {{0, u"#"_s}});
    writeFile(f.dir.filePath(u"Prizes.txt"_s), "\"Gold\"\r\n");
    ScriptedWadapi::setInitResult(1);

    QVERIFY(!f.program->Draw_Load());
    QCOMPARE(f.prompts.messages.size(), 1);
    const auto &error = f.prompts.messages[0];
    QVERIFY2(error.error && error.title == u"test_window"
                 && error.text.startsWith(u"Error 10001: Failed to initialize DDE layer"_s),
             qPrintable(error.title + u": "_s + error.text));
    // Neither file was read.
    QCOMPARE(f.program->session().settings.item(0), u"$"_s);
    QCOMPARE(f.program->session().prizes.prize(0), QString());
    QVERIFY(!f.program->window().isVisible());
}

void WindowTest::everyWayOutClosesTheChatLinkOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("lister");
    QTest::newRow("raffle panel's Exit") << u"cmdExit"_s << false;
    QTest::newRow("the close box") << QString() << false;
    QTest::newRow("Alt+E on the raffle buttons") << u"Alt+E"_s << false;
    QTest::newRow("Alt+E on the Lister buttons") << u"Alt+E"_s << true;
}

void WindowTest::everyWayOutClosesTheChatLinkOnce()
{
    QFETCH(QString, control);
    QFETCH(bool, lister);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    if (lister)
        f.ui().mnuLister->trigger();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy ended(f.program.get(), &Program::ended);
    if (control.isEmpty())
        window.close();
    else if (control == u"Alt+E")
        QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    else
        use(window, control);
    QTRY_COMPARE(ended.count(), 1);
    QVERIFY(!window.isVisible());
    window.close(); // a second close changes nothing

    QCOMPARE(ended.count(), 1);
    int kills = 0;
    for (const auto &call : ScriptedWadapi::calls())
        kills += call.function == u"KillDDE" ? 1 : 0;
    QCOMPARE(kills, 1);
    QVERIFY(!QFile::exists(f.dir.filePath(u"Settings.txt"_s))); // nothing is saved at shutdown
}

void WindowTest::anUnwritableFolderIsToldAsItStands()
{
    // An installed program cannot write its own folder: here one whose name
    // looks like markup, below a plain file so that nobody can make it.
    ProgramFixture f(false);
#ifdef Q_OS_WIN
    const QString blocker = f.dir.filePath(u"x &amp; A&B"_s), user = f.dir.filePath(u"user"_s); // no < or > there
#else
    const QString blocker = f.dir.filePath(u"<b>x<b> &amp; A&B"_s), user = f.dir.filePath(u"user"_s);
#endif
    writeFile(blocker, "x");
    f.program = std::make_unique<Program>(f.clock, Program::Places{blocker + u"/program"_s, user}, &f.prompts);
    QVERIFY(f.program->Draw_Load());
    const auto *notice = f.program->window().findChild<QLabel *>(u"notice"_s);
    QVERIFY(notice && !notice->isHidden());
    const QString shown = toolTipShows(notice->toolTip());
    QVERIFY2(shown.contains(QDir::toNativeSeparators(blocker + u"/program"_s))
                 && shown.contains(QDir::toNativeSeparators(user)),
             qPrintable(shown));

    QVERIFY(f.prompts.messages.isEmpty()); // said in the corner, never in a box

    // The macro dialogs start where the host's files are kept; saving offers a name.
    for (const QString &control : {u"Command27"_s, u"Command28"_s, u"mnuSave"_s, u"mnuLoad"_s})
        use(f.program->window(), control);
    QCOMPARE(f.prompts.requests.size(), 4);
    for (qsizetype i = 0; i < f.prompts.requests.size(); ++i) {
        QCOMPARE(f.prompts.requests[i].directory, user);
        QCOMPARE(f.prompts.requests[i].fileName, i % 2 ? QString() : u"This File Name"_s);
    }
}
