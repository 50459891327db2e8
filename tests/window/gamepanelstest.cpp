#include "support/programfixture.h"
#include "windowtests.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

// A list's menu opens from the keyboard (the Menu key, Shift+F10, or the
// platform's own request) at the selected entry, or with the right button's
// release, and only the right button's, at the mouse without selecting. Every
// list has a selection; the menu's items must take their own list's. Without
// a selected entry there is nothing to act on.
void WindowTest::editsFromAListsMenuActOnThatList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("lists"); // afterwards; before: "Ann,Cy|Zed,Ann||Dee|Eve,Fay"

    QTest::newRow("players, Menu key") << u"lstAvatars"_s << u"Menu"_s << 1 << u"mnuAviRemove"_s
                                       << u"Ann|Zed,Ann||Dee|Eve,Fay"_s;
    QTest::newRow("raffle winners, Shift+F10")
        << u"List1"_s << u"Shift+F10"_s << 1 << u"mnuAdd"_s << u"Ann,Ann,Cy|Zed||Dee|Eve,Fay"_s;
    QTest::newRow("queue, the platform's request")
        << u"List3"_s << u"event"_s << 0 << u"mnuRemoveLister"_s << u"Ann,Cy|Zed,Ann|||Eve,Fay"_s;
    QTest::newRow("called players, Menu key")
        << u"List4"_s << u"Menu"_s << 1 << u"mnuRe"_s << u"Ann,Cy|Zed,Ann||Dee|Eve"_s;
    QTest::newRow("raffle winners, right button")
        << u"List1"_s << u"right button"_s << 0 << u"mnuRemove"_s << u"Ann,Cy|Ann||Dee|Eve,Fay"_s;
    QTest::newRow("called players, right button")
        << u"List4"_s << u"right button"_s << 0 << u"mnuAdd1"_s << u"Ann,Cy|Zed,Ann||Dee,Eve|Fay"_s;
    QTest::newRow("nothing selected") << u"List1"_s << u"Menu"_s << -1 << QString() << u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s;
}

void WindowTest::editsFromAListsMenuActOnThatList()
{
    QFETCH(QString, list);
    QFETCH(QString, way);
    QFETCH(int, selected);
    QFETCH(QString, action);
    QFETCH(QString, lists);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    f.ui().Frame3->show(); // both players panels in view
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    fillLists(f.program->session().lists, u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s);
    for (PlayerList *each : f.program->session().lists.all())
        each->setSelected(0);
    auto *view = window.findChild<QListView *>(list);
    view->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), view);
    auto &edited = *qobject_cast<PlayerList *>(qobject_cast<QAbstractProxyModel *>(view->model())->sourceModel());
    edited.setSelected(selected);
    const auto shownMenu = [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); };

    const int at = way == u"right button" ? edited.count() - 1 : selected; // where the menu stands
    const QPoint mouse = view->visualRect(view->model()->index(at, 0)).center();
    if (way == u"Menu") {
        QTest::keyClick(view, Qt::Key_Menu);
    } else if (way == u"Shift+F10") {
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    } else if (way == u"event") {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), view->mapToGlobal(QPoint()));
        QApplication::sendEvent(view, &request);
    } else {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
            QTest::mouseRelease(view->viewport(), button, {}, mouse);
            QVERIFY(!shownMenu());
        }
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, mouse);
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, mouse);
        QTRY_VERIFY(shownMenu());
        QCOMPARE(edited.selected(), selected);
    }
    if (action.isEmpty()) {
        QVERIFY(!shownMenu());
    } else {
        QVERIFY(shownMenu());
        auto *item = window.findChild<QAction *>(action);
        QVERIFY(shownMenu()->actions().contains(item));
        QVERIFY2(
            view->visualRect(view->model()->index(at, 0)).contains(view->viewport()->mapFromGlobal(shownMenu()->pos())),
            "the menu stands at the entry");
        shownMenu()->setActiveAction(item);
        QTest::keyClick(shownMenu(), Qt::Key_Return);
        QTRY_VERIFY(!shownMenu());
    }
    QCOMPARE(listsOf(f.program->session().lists), lists);
}

// The colour panel shows each colour's holder, whether it is in play and
// whether the menus offer it; a typed holder reaches the caller, and a menu
// gives its colour to the player selected in its own list. Neither "Colors
// Caller" says anything; the Lister's saves the lists, the raffle's does not.
void WindowTest::theColourPanelShowsTheCallerAndGivesToTheSelected()
{
    ProgramFixture f;
    MainWindow &window = f.program->window();
    GameSession &s = f.program->session();
    fillLists(s.lists, u"|Alice|||Bob,Carol"_s);
    s.lists.winners.setSelected(0);
    s.lists.called.setSelected(1);
    f.ui().Command21->click();
    QCOMPARE(f.recoveryFile(), QByteArray("<none>"));
    f.ui().Command25->click();
    QCOMPARE(f.recoveryFile(), Recovery::format(s.lists));
    QCOMPARE(f.said(), QStringList());
    // Each colour's holder box, in-play box, and how many menus offer it.
    const auto shown = [&window] {
        QStringList each;
        for (int c = 0; c < ColourCaller::ColourCount; ++c) {
            const QString menu = u"mnu"_s + ColourCaller::nameOf(static_cast<ColourCaller::Colour>(c));
            each << u"%1 %2 %3"_s.arg(window.findChild<QLineEdit *>(u"txtcolor_%1"_s.arg(c))->text())
                        .arg(int(window.findChild<QCheckBox *>(u"Check%1"_s.arg(c + 4))->isChecked()))
                        .arg(int(window.findChild<QAction *>(menu)->isEnabled())
                             + int(window.findChild<QAction *>(menu + u'1')->isEnabled()));
        }
        return each;
    };

    f.ui().mnuRed->trigger();
    f.ui().mnuGold1->trigger();
    QTest::keyClicks(f.ui().txtcolor_2, u"Dee"_s);
    QCOMPARE(s.colours.holder(ColourCaller::Green), u"Dee"_s);
    QCOMPARE(shown(), (QStringList{u"Alice 0 0"_s, u" 1 2"_s, u"Dee 1 2"_s, u" 1 2"_s, u" 1 2"_s, u"Carol 0 0"_s}));
    s.colours.reset();
    QCOMPARE(shown(), QStringList(6, u" 1 2"_s));
}
