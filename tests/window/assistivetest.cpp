#include "settingsfile.h"
#include "support/programfixture.h"
#include "windowtests.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A screen reader or voice control ticks a box through its Toggle action,
// which changes the box without a click.
void changeBox(QCheckBox *box, const QString &way)
{
    if (way == u"toggle")
        QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    else if (way == u"mouse")
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    else
        QTest::keyClick(box, Qt::Key_Space);
}

QStringList savedYesNo(const ProgramFixture &f)
{
    QFile file(f.dir.filePath(u"Settings.txt"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    QStringList yesNo;
    for (int item = HostSettings::SayPrizesYesNo; item <= HostSettings::SayWinnersYesNo; ++item)
        yesNo << QString::fromLatin1(lines.value(item).trimmed());
    return yesNo;
}

const QStringList kColoursSaid{
    u"Colors remaning are"_s, u"Red"_s, u"Blue"_s, u"Green"_s, u"Silver"_s, u"Black"_s, u"Gold"_s,
    u"Please chose a color"_s};

} // namespace

// The program follows its check boxes however they change, and the boxes it
// ticks itself at start-up never run their yes/no toggle a second time.
void WindowTest::checkBoxesCountHoweverTheyChange_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("startsYes"); // Settings.txt says "Yes" for items 14 to 16
    QTest::addColumn<QString>("press");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("saved"); // items 14 to 16 as "Ok" writes them

    const QStringList prized{u"Drawing the winner.."_s, u"and the winner is Ann"_s, u"Ann wins Gold hat"_s};
    const QStringList unprized = prized.mid(0, 2);
    const QStringList noes{u"\"No\""_s, u"\"No\""_s, u"\"No\""_s};
    for (const char *way : {"toggle", "mouse", "space"}) {
        QTest::addRow("Say Prizes? ticked, %s", way)
            << u"Check3"_s << QString::fromLatin1(way) << false << u"Command3"_s << prized
            << QStringList{u"\"Yes\""_s, u"\"No\""_s, u"\"No\""_s};
    }
    QTest::newRow("Say Prizes? ticked at start-up, unticked, toggle")
        << u"Check3"_s << u"toggle"_s << true << u"Command3"_s << unprized
        << QStringList{u"\"No\""_s, u"\"Yes\""_s, u"\"Yes\""_s};
    QTest::newRow("Confermation? ticked, toggle") << u"Check1"_s << u"toggle"_s << false << QString() << QStringList()
                                                  << QStringList{u"\"No\""_s, u"\"Yes\""_s, u"\"No\""_s};
    QStringList redOut = kColoursSaid;
    redOut[1].clear();
    QStringList goldOut = kColoursSaid;
    goldOut[6].clear();
    QTest::newRow("Red out of play, toggle") << u"Check4"_s << u"toggle"_s << false << u"Command22"_s << redOut << noes;
    QTest::newRow("Gold out of play, mouse") << u"Check9"_s << u"mouse"_s << false << u"Command22"_s << goldOut << noes;
}

void WindowTest::checkBoxesCountHoweverTheyChange()
{
    QFETCH(QString, box);
    QFETCH(QString, way);
    QFETCH(bool, startsYes);
    QFETCH(QString, press);
    QFETCH(QStringList, said);
    QFETCH(QStringList, saved);

    ProgramFixture f(false);
    writeSettings(f, startsYes ? Items{{14, u"Yes"_s}, {15, u"Yes"_s}, {16, u"Yes"_s}} : Items{});
    QVERIFY(f.program->Draw_Load());
    MainWindow &window = f.program->window();
    f.ui().Command16->click(); // the main settings in view
    f.ui().Frame22->show();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    f.program->session().lists.players.add(u"Ann"_s);
    f.program->session().prizes.setPrize(0, u"Gold hat"_s);

    auto *changed = window.findChild<QCheckBox *>(box);
    const bool wasChecked = changed->isChecked();
    changeBox(changed, way);
    QCOMPARE(changed->isChecked(), !wasChecked);
    f.clear();
    if (!press.isEmpty())
        window.findChild<QPushButton *>(press)->click();
    QCOMPARE(f.said(), said);
    f.ui().Command17->click();
    QCOMPARE(savedYesNo(f), saved);
}

// From the keyboard (the Menu key, Shift+F10, or the platform's own request)
// a focused list opens its menu at its selected entry, and the menu's items
// take that entry. Without a selected entry there is nothing to act on.
void WindowTest::listMenusOpenFromTheKeyboard_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("lists"); // afterwards; before: "Ann,Cy|Zed,Ann||Dee|Eve,Fay"

    QTest::newRow("players, Menu key") << u"lstAvatars"_s << u"Menu"_s << 1 << u"mnuAviRemove"_s
                                       << u"*** Cy has been removed ***"_s << u"Ann|Zed,Ann||Dee|Eve,Fay"_s;
    QTest::newRow("raffle winners, Shift+F10")
        << u"List1"_s << u"Shift+F10"_s << 1 << u"mnuAdd"_s << QString() << u"Ann,Ann,Cy|Zed||Dee|Eve,Fay"_s;
    QTest::newRow("queue, the platform's request")
        << u"List3"_s << u"event"_s << 0 << u"mnuRemoveLister"_s << u"*** Dee has been removed ***"_s
        << u"Ann,Cy|Zed,Ann|||Eve,Fay"_s;
    QTest::newRow("called players, Menu key") << u"List4"_s << u"Menu"_s << 1 << u"mnuRe"_s
                                              << u"*** Fay has been removed ***"_s << u"Ann,Cy|Zed,Ann||Dee|Eve"_s;
    QTest::newRow("nothing selected") << u"List1"_s << u"Menu"_s << -1 << QString() << QString()
                                      << u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s;
}

void WindowTest::listMenusOpenFromTheKeyboard()
{
    QFETCH(QString, list);
    QFETCH(QString, key);
    QFETCH(int, selected);
    QFETCH(QString, action);
    QFETCH(QString, said);
    QFETCH(QString, lists);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    f.ui().Frame3->show(); // both players panels in view
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto all = f.program->session().lists.all();
    const QStringList before = u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s.split(u'|');
    for (std::size_t i = 0; i < all.size(); ++i)
        fill(*all[i], before[qsizetype(i)].split(u',', Qt::SkipEmptyParts));
    auto *view = window.findChild<QListView *>(list);
    view->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), view);
    auto &edited = *qobject_cast<PlayerList *>(view->model());
    edited.setSelected(selected);
    f.clear();

    if (key == u"Menu")
        QTest::keyClick(view, Qt::Key_Menu);
    else if (key == u"Shift+F10")
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    else {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), view->mapToGlobal(QPoint()));
        QApplication::sendEvent(view, &request);
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (action.isEmpty()) {
        QVERIFY(!menu);
    } else {
        QVERIFY(menu);
        auto *item = window.findChild<QAction *>(action);
        QVERIFY(menu->actions().contains(item));
        const QRect entry = view->visualRect(edited.index(selected));
        QVERIFY2(entry.contains(view->viewport()->mapFromGlobal(menu->pos())), "the menu stands at the entry");
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    QCOMPARE(f.said().join(u'\n'), said);
    QStringList after;
    for (const PlayerList *each : all)
        after << each->names().join(u',');
    QCOMPARE(after.join(u'|'), lists);
}

// A caption the program changes is read as it stands, by its control and by
// the controls named after it.
void WindowTest::changedCaptionsAreReadAsShown_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("bar"); // the scroll bar that turns the page
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first"); // the name again on the first page

    QTest::newRow("prize frame") << u"Frame17"_s << u"VScroll1"_s << 2 << u"Prize # 3"_s << u"Prize # 1"_s;
    QTest::newRow("prize scroll bar") << u"VScroll1"_s << u"VScroll1"_s << 9 << u"Prize # 10"_s << u"Prize # 1"_s;
    QTest::newRow("macro frame") << u"fra1"_s << u"HScroll1"_s << 4 << u"Macro #5"_s << u"Macro #1"_s;
    QTest::newRow("macro scroll bar") << u"HScroll1"_s << u"HScroll1"_s << 19 << u"Macro #20"_s << u"Macro #1"_s;
}

void WindowTest::changedCaptionsAreReadAsShown()
{
    QFETCH(QString, control);
    QFETCH(QString, bar);
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QString, first);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(control));
    auto *scroll = window.findChild<QScrollBar *>(bar);
    scroll->setValue(page);
    QCOMPARE(read->text(QAccessible::Name), name);
    scroll->setValue(0);
    QCOMPARE(read->text(QAccessible::Name), first);
}
