#include "gamestests.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kStartLines{
    u"Colors remaning are"_s, u"Red"_s, u"Blue"_s, u"Green"_s, u"Silver"_s, u"Black"_s, u"Gold"_s,
    u"Please chose a color"_s};

// The colours' lines with those of the given colours (0 Red .. 5 Gold) replaced.
QStringList with(const QMap<int, QString> &lines)
{
    QStringList said = kStartLines;
    for (auto it = lines.cbegin(); it != lines.cend(); ++it)
        said[it.key() + 1] = it.value();
    return said;
}

} // namespace

// Steps: "give COLOUR from List1|List4", "uncheck COLOUR", "check COLOUR",
// "type COLOUR NAME", "select List1|List4 N", "reset". "Say colors" names
// each colour's holder, or the colour while it is in play.
void GameTest::coloursFollowTheHost_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("said");      // what "Say colors" says afterwards
    QTest::addColumn<QStringList>("announced"); // lines said by the steps themselves
    QTest::addColumn<QList<bool>>("offered");   // mnuRed .. mnuGold enabled

    QTest::newRow("several colours to a winner; a typed holder overwritten; the holder wins over the box")
        << QStringList{u"select List1 0"_s, u"give 0 List1"_s, u"give 1 List1"_s,
                       u"check 0"_s,        u"type 2 Bob"_s,   u"give 2 List1"_s}
        << with({{0, u"Alice = Red"_s}, {1, u"Alice = Blue"_s}, {2, u"Alice = Green"_s}})
        << QStringList{u"Alice = Red"_s, u"Alice = Blue"_s, u"Alice = Green"_s}
        << QList<bool>{false, false, false, true, true, true};
    QTest::newRow("a called player's colour, a typed holder; one out of play says an empty line")
        << QStringList{u"select List4 0"_s, u"give 5 List4"_s, u"type 3 Bob"_s, u"uncheck 4"_s}
        << with({{3, u"Bob = Silver"_s}, {4, QString()}, {5, u"Carol = Gold"_s}}) << QStringList{u"Carol = Gold"_s}
        << QList<bool>{true, true, true, true, true, false};
    QTest::newRow("nobody selected") << QStringList{u"give 0 List1"_s} << with({{0, QString()}})
                                     << QStringList{u" = Red"_s} << QList<bool>{false, true, true, true, true, true};
    QTest::newRow("reset returns to the start")
        << QStringList{u"select List1 0"_s, u"give 0 List1"_s, u"uncheck 3"_s, u"type 4 Bob"_s, u"reset"_s}
        << kStartLines << QStringList{u"Alice = Red"_s} << QList<bool>(6, true);
}

void GameTest::coloursFollowTheHost()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, said);
    QFETCH(QStringList, announced);
    QFETCH(QList<bool>, offered);

    ProgramFixture f;
    Ui::MainWindow &ui = f.ui();
    f.program->session().lists.winners.add(u"Alice"_s);
    f.program->session().lists.called.add(u"Carol"_s);
    QCheckBox *const inPlay[] = {ui.Check4, ui.Check5, ui.Check6, ui.Check7, ui.Check8, ui.Check9};
    QLineEdit *const holders[] = {ui.txtcolor_0, ui.txtcolor_1, ui.txtcolor_2,
                                  ui.txtcolor_3, ui.txtcolor_4, ui.txtcolor_5};
    QAction *const fromWinners[] = {ui.mnuRed, ui.mnuBlue, ui.mnuGreen, ui.mnuSilver, ui.mnuBlack, ui.mnuGold};
    QAction *const fromCalled[] = {ui.mnuRed1, ui.mnuBlue1, ui.mnuGreen1, ui.mnuSilver1, ui.mnuBlack1, ui.mnuGold1};
    f.clear();

    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        const int colour = words.value(1).toInt();
        if (words[0] == u"select")
            (words[1] == u"List1" ? f.program->session().lists.winners : f.program->session().lists.called)
                .setSelected(words[2].toInt());
        else if (words[0] == u"give")
            (words[2] == u"List1" ? fromWinners : fromCalled)[colour]->trigger();
        else if (words[0] == u"uncheck" || words[0] == u"check") {
            if (inPlay[colour]->isChecked() != (words[0] == u"check"))
                inPlay[colour]->click();
        } else if (words[0] == u"type") {
            holders[colour]->selectAll();
            QTest::keyClicks(holders[colour], words[2]);
        } else if (words[0] == u"reset")
            ui.Command23->click();
    }
    QCOMPARE(f.said(), announced);
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(fromWinners[c]->isEnabled(), offered[c]);
        QCOMPARE(fromCalled[c]->isEnabled(), offered[c]);
        QCOMPARE(holders[c]->text(), f.program->session().colours.holder(static_cast<ColourCaller::Colour>(c)));
    }

    f.clear();
    ui.Command22->click();
    QCOMPARE(f.said(), said);
    QVERIFY(f.program->session().input.isEnabled());
}

// The host right-clicks a players list: only the right button's release
// opens a menu, the list's own, and it selects nothing. Every list has a
// selection; the menu's item must take its own list's. Removing tells the
// room; adding back moves a player without a word.
void GameTest::editsFromAListsMenuActOnThatList_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("list"); // PlayerLists::all() index
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("lists"); // afterwards; before: "Ann,Cy|Zed,Ann||Dee|Eve,Fay"

    QTest::newRow("remove from the players")
        << u"mnuAviRemove"_s << 0 << 1 << u"*** Cy has been removed ***"_s << u"Ann|Zed,Ann||Dee|Eve,Fay"_s;
    QTest::newRow("remove a raffle winner")
        << u"mnuRemove"_s << 1 << 0 << u"*** Zed has been removed ***"_s << u"Ann,Cy|Ann||Dee|Eve,Fay"_s;
    QTest::newRow("remove the only queued player")
        << u"mnuRemoveLister"_s << 3 << 0 << u"*** Dee has been removed ***"_s << u"Ann,Cy|Zed,Ann|||Eve,Fay"_s;
    QTest::newRow("remove a called player")
        << u"mnuRe"_s << 4 << 1 << u"*** Fay has been removed ***"_s << u"Ann,Cy|Zed,Ann||Dee|Eve"_s;
    QTest::newRow("nothing selected") << u"mnuRe"_s << 4 << -1 << QString() << u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s;
    QTest::newRow("a winner back among the players, twice over")
        << u"mnuAdd"_s << 1 << 1 << QString() << u"Ann,Ann,Cy|Zed||Dee|Eve,Fay"_s;
    QTest::newRow("a called player back at the end of the queue")
        << u"mnuAdd1"_s << 4 << 0 << QString() << u"Ann,Cy|Zed,Ann||Dee,Eve|Fay"_s;
}

void GameTest::editsFromAListsMenuActOnThatList()
{
    QFETCH(QString, action);
    QFETCH(int, list);
    QFETCH(int, selected);
    QFETCH(QString, said);
    QFETCH(QString, lists);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    f.ui().mnuLister->trigger();
    f.ui().mnuRaffler->trigger();
    f.ui().Frame3->show(); // both players panels in view
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillLists(f.program->session().lists, u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s);
    for (PlayerList *each : f.program->session().lists.all())
        each->setSelected(0);
    PlayerList &edited = *f.program->session().lists.all()[static_cast<std::size_t>(list)];
    const auto shownMenu = [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); };

    auto *view = window.findChild<QListView *>(QString::fromLatin1(PlayerLists::kNames[std::size_t(list)]));
    const QPoint last = view->visualRect(edited.index(edited.count() - 1)).center();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mouseRelease(view->viewport(), button, {}, last);
        QVERIFY(!shownMenu());
    }
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, last);
    QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, last);
    QTRY_VERIFY(shownMenu());
    QAction *item = window.findChild<QAction *>(action);
    QVERIFY(shownMenu()->actions().contains(item));
    shownMenu()->hide();
    QCOMPARE(edited.selected(), 0);
    edited.setSelected(selected);
    f.clear();

    item->trigger();

    QCOMPARE(f.said().join(u'\n'), said);
    QCOMPARE(listsOf(f.program->session().lists), lists);
    QCOMPARE(f.recoveryFile(), QByteArray("<none>")); // hand edits are saved by the next game action
}
