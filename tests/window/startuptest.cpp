#include "startuptest.h"

#include "scriptedwadapi.h"
#include "support/fakeclock.h"
#include "support/scriptedprompts.h"
#include "ui_draw.h"
#include "window/program.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Items = QMap<int, QString>;

namespace {

QStringList defaultItems()
{
    QStringList items;
    for (int i = 0; i < HostSettings::kCount; ++i)
        items << HostSettings::restoredValue(i);
    items[HostSettings::PrizeCount] = u"1"_s;
    return items;
}

void writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray quoted(const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values)
        bytes += '"' + value.toLatin1() + "\"\r\n";
    return bytes;
}

int calls(const QString &function)
{
    int n = 0;
    for (const auto &call : ScriptedWadapi::calls())
        n += call.function == function ? 1 : 0;
    return n;
}

// Types as the host would; the text arrives as an input method commits it,
// so letters beyond ASCII come through too.
void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(box, &typed);
}

struct Started
{
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    std::unique_ptr<Program> program;

    bool start(const QString &directory, const QString &fallback = {})
    {
        program = std::make_unique<Program>(
            clock, Program::Places{directory, fallback.isEmpty() ? directory + u"/fallback"_s : fallback}, &prompts);
        return program->Draw_Load();
    }
};

} // namespace

void StartupTest::init()
{
    ScriptedWadapi::reset();
}

void StartupTest::startUpTakesTheFilesOfThePreviousRun_data()
{
    QTest::addColumn<Items>("file");     // items that differ from the restored values
    QTest::addColumn<Items>("items");    // items after start-up
    QTest::addColumn<QList<bool>>("checks");          // Check1, Check2, Check3
    QTest::addColumn<QString>("delayMarked");         // the one Delay item marked

    QTest::newRow("confirmation on, the others off")
        << Items{{15, u"Yes"_s}} << Items{{14, u"No"_s}, {15, u"Yes"_s}, {16, u"No"_s}}
        << QList<bool>{true, false, false} << u"mnu1"_s;
    QTest::newRow("all three on") << Items{{14, u"Yes"_s}, {15, u"Yes"_s}, {16, u"Yes"_s}}
                                  << Items{{14, u"Yes"_s}, {15, u"Yes"_s}, {16, u"Yes"_s}}
                                  << QList<bool>{true, true, true} << u"mnu1"_s;
    QTest::newRow("yes in lower case stays off") << Items{{14, u"yes"_s}}
                                                 << Items{{14, u"yes"_s}}
                                                 << QList<bool>{false, false, false} << u"mnu1"_s;
    QTest::newRow("delay 2") << Items{{13, u"2"_s}} << Items{{13, u"2"_s}}
                             << QList<bool>{false, false, false} << u"mnu2"_s;
    QTest::newRow("delay 5 marks nothing new") << Items{{13, u"5"_s}}
                                               << Items{{13, u"5"_s}}
                                               << QList<bool>{false, false, false} << u"mnunone"_s;
    QTest::newRow("empty delay") << Items{{13, QString()}} << Items{{13, QString()}}
                                 << QList<bool>{false, false, false} << u"mnunone"_s;
    QTest::newRow("item 8 follows item 9") << Items{{8, u"1"_s}, {9, u"5"_s}}
                                           << Items{{8, u"5"_s}, {9, u"5"_s}}
                                           << QList<bool>{false, false, false} << u"mnu1"_s;
}

void StartupTest::startUpTakesTheFilesOfThePreviousRun()
{
    QFETCH(Items, file);
    QFETCH(Items, items);
    QFETCH(QList<bool>, checks);
    QFETCH(QString, delayMarked);

    Started s;
    QStringList values = defaultItems();
    for (auto it = file.cbegin(); it != file.cend(); ++it)
        values[it.key()] = it.value();
    writeFile(s.dir, u"Settings.txt"_s, quoted(values));
    QVERIFY(s.start(s.dir.path()));

    for (auto it = items.cbegin(); it != items.cend(); ++it)
        QCOMPARE(s.program->settings().item(it.key()), it.value());
    Ui::Draw &ui = s.program->window().ui();
    QCOMPARE((QList<bool>{ui.Check1->isChecked(), ui.Check2->isChecked(), ui.Check3->isChecked()}), checks);
    for (QAction *action : {ui.mnunone, ui.mnu1, ui.mnu2, ui.mnu3})
        QCOMPARE(action->isChecked(), action->objectName() == delayMarked);
}

void StartupTest::startUpLeavesTheWindowReady()
{
    Started s;
    QVERIFY(s.start(s.dir.path()));
    Draw &window = s.program->window();
    Ui::Draw &ui = window.ui();

    QCOMPARE(s.program->layout().outerSize(), QSize(3855, 5475));
    QVERIFY(ui.Option1->isChecked());
    QVERIFY(ui.mnuRaffler->isChecked());
    QVERIFY(!ui.mnuLister->isChecked());
    QVERIFY(ui.mnuStay->isChecked());
    QVERIFY(window.isStayOnTop());
    for (QWidget *hidden : {static_cast<QWidget *>(ui.Frame22), static_cast<QWidget *>(ui.Frame3),
                            static_cast<QWidget *>(ui.Frame5)})
        QVERIFY(hidden->isHidden());
    for (int i = 0; i < 20; ++i)
        QCOMPARE(ui.fra1->findChild<QWidget *>(u"txtText_"_s + QString::number(i))->isHidden(), i != 0);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(ui.Frame17->findChild<QWidget *>(u"txtPrizes_"_s + QString::number(i))->isHidden(), i != 0);
    QCOMPARE(ui.Frame17->title(), u"Prize # 1"_s);
    QCOMPARE(ui.txtText_0->document()->defaultTextOption().alignment(), Qt::AlignHCenter);

    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.x(), (screen.width() - Draw::pixels(3855)) / 2);
    QCOMPARE(window.y(), (screen.height() - Draw::pixels(5475)) / 2);
    QVERIFY(!window.isVisible()); // shown by the caller once start-up is through
}

void StartupTest::startUpStopsWithoutTheChatClient()
{
    Started s;
    QStringList values = defaultItems();
    values[0] = u"#"_s;
    writeFile(s.dir, u"Settings.txt"_s, quoted(values));
    writeFile(s.dir, u"Prizes.txt"_s, "\"Gold\"\r\n");
    ScriptedWadapi::setInitResult(1);

    QVERIFY(!s.start(s.dir.path()));
    QCOMPARE(s.prompts.messages.size(), 1);
    QVERIFY(s.prompts.messages[0].error);
    QVERIFY(s.prompts.messages[0].text.contains(u"10001"_s));
    QVERIFY(s.prompts.messages[0].text.contains(u"Failed to initialize DDE layer"_s));
    QCOMPARE(s.prompts.messages[0].title, u"test_window"_s);
    // Neither file was read.
    QCOMPARE(s.program->settings().item(0), u"$"_s);
    QCOMPARE(s.program->prizes().prize(0), QString());
    QVERIFY(!s.program->window().isVisible());
}

void StartupTest::aRestartBringsBackEverySettingAndPrize()
{
    QTemporaryDir dir;
    {
        Started first;
        QVERIFY(first.start(dir.path()));
        first.program->window().show();
        Ui::Draw &ui = first.program->window().ui();
        ui.Command2->click(); // Restore Defults: the yes/no items read "No"
        typeInto(ui.txtSettings_0, u"#"_s);
        typeInto(ui.txtSettings_17, u"Welcome, Zoë"_s);
        typeInto(ui.txtSettings_1, u"You said \"yes\""_s);
        ui.Check3->click();
        typeInto(ui.txtPrizes_0, u"A hat, 5 €"_s);
        ui.VScroll1->setValue(1);
        ui.Command17->click();
    }
    Started second;
    QVERIFY(second.start(dir.path()));
    HostSettings &settings = second.program->settings();
    QCOMPARE(settings.item(0), u"#"_s);
    QCOMPARE(settings.item(17), u"Welcome, Zoë"_s);
    QCOMPARE(settings.item(1), u"You said \"yes\""_s);
    QCOMPARE(settings.item(14), u"Yes"_s);
    QVERIFY(second.program->window().ui().Check3->isChecked());
    QCOMPARE(second.program->prizes().prize(0), u"A hat, 5 €"_s);
    QCOMPARE(second.program->prizes().prize(9), u"Prize #10"_s);
    QCOMPARE(second.program->window().ui().txtSettings_17->text(), u"Welcome, Zoë"_s);
}

void StartupTest::clearedSettingsStayClearedAcrossARestart()
{
    QTemporaryDir dir;
    {
        Started first;
        QVERIFY(first.start(dir.path()));
        Ui::Draw &ui = first.program->window().ui();
        first.program->layout().showSettingsPanel(WindowLayout::Frame9);
        ui.Command18->click(); // Clear
        ui.Check1->click();    // the box is checked, item 15 stays empty
        QVERIFY(ui.Check1->isChecked());
        QCOMPARE(first.program->settings().item(15), QString());
        ui.Command17->click(); // Ok
        QCOMPARE(first.program->layout().outerSize(), QSize(3855, 5475));
    }
    QFile file(dir.filePath(u"Settings.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"\"\r\n").repeated(20));

    Started second;
    QVERIFY(second.start(dir.path()));
    QVERIFY(!second.program->window().ui().Check1->isChecked());
    QCOMPARE(second.program->settings().item(15), QString());
}

void StartupTest::everyWayOutClosesTheChatLinkOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("raffle panel's Exit") << u"cmdExit"_s;
    QTest::newRow("Lister panel's Exit") << u"Command10"_s;
    QTest::newRow("File > Exit") << u"mnuExit"_s;
    QTest::newRow("the close box") << QString();
}

void StartupTest::everyWayOutClosesTheChatLinkOnce()
{
    QFETCH(QString, control);

    Started s;
    QVERIFY(s.start(s.dir.path()));
    Draw &window = s.program->window();
    window.show();
    QSignalSpy ended(s.program.get(), &Program::ended);
    if (control.isEmpty())
        window.close();
    else if (auto *button = window.findChild<QAbstractButton *>(control))
        button->click();
    else
        window.findChild<QAction *>(control)->trigger();
    window.close(); // a second close changes nothing

    QCOMPARE(ended.count(), 1);
    QCOMPARE(calls(u"KillDDE"_s), 1);
    QVERIFY(!QFile::exists(s.dir.filePath(u"Settings.txt"_s))); // nothing is saved at shutdown
}

void StartupTest::delayMenuScrollBarAndStayOnTop()
{
    Started s;
    QVERIFY(s.start(s.dir.path()));
    Ui::Draw &ui = s.program->window().ui();
    HostSettings &settings = s.program->settings();
    const auto marks = [&ui] {
        return QList<bool>{ui.mnunone->isChecked(), ui.mnu1->isChecked(), ui.mnu2->isChecked(), ui.mnu3->isChecked()};
    };

    ui.mnu2->trigger();
    QCOMPARE(settings.item(13), u"2"_s);
    QCOMPARE(marks(), (QList<bool>{false, false, true, false}));
    QCOMPARE(ui.VScroll2->value(), 1);
    ui.mnu2->trigger(); // choosing the marked item keeps its mark
    QCOMPARE(marks(), (QList<bool>{false, false, true, false}));

    ui.VScroll2->setValue(0);
    QCOMPARE(settings.item(13), u"0"_s);
    QCOMPARE(marks(), (QList<bool>{true, false, false, false}));

    ui.Command2->click(); // Restore Defults: the delay reads 1, the marks stay
    QCOMPARE(settings.item(13), u"1"_s);
    QCOMPARE(marks(), (QList<bool>{true, false, false, false}));
    QCOMPARE(ui.VScroll2->value(), 0);

    ui.mnuStay->trigger();
    QVERIFY(!ui.mnuStay->isChecked());
    QVERIFY(!s.program->window().isStayOnTop());
    ui.mnuStay->trigger();
    QVERIFY(ui.mnuStay->isChecked());
    QVERIFY(s.program->window().isStayOnTop());
}

void StartupTest::anUnwritableFolderKeepsEveryValue()
{
    QTemporaryDir scratch;
    writeFile(scratch, u"file"_s, "x");
    const QString unwritable = scratch.filePath(u"file/program"_s);

    Started s;
    QVERIFY(s.start(unwritable, scratch.filePath(u"user"_s)));
    const auto *notice = s.program->window().findChild<QLabel *>(u"notice"_s);
    QVERIFY(notice && !notice->isHidden());
    QVERIFY(notice->toolTip().contains(scratch.filePath(u"user"_s)));

    Ui::Draw &ui = s.program->window().ui();
    typeInto(ui.txtSettings_0, u"#"_s);
    ui.Command17->click();
    QCOMPARE(s.program->settings().item(0), u"#"_s);
    QVERIFY(QFile::exists(scratch.filePath(u"user/Settings.txt"_s)));
    QVERIFY(s.prompts.messages.isEmpty()); // said in the corner, never in a box
}
