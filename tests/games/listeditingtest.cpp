#include "listeditingtest.h"

#include "support/programfixture.h"

#include <QFile>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

void ListEditingTest::onlyTheRightButtonOpensTheListsMenu_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("menu");
    QTest::newRow("players") << u"lstAvatars"_s << u"mnuAvi"_s;
    QTest::newRow("raffle winners") << u"List1"_s << u"mnuColor"_s;
    QTest::newRow("Lister queue") << u"List3"_s << u"mnuLstLister"_s;
    QTest::newRow("called players") << u"List4"_s << u"mnuColor1"_s;
}

void ListEditingTest::onlyTheRightButtonOpensTheListsMenu()
{
    QFETCH(QString, list);
    QFETCH(QString, menu);

    ProgramFixture f;
    f.ui().mnuLister->trigger();
    f.ui().mnuRaffler->trigger();
    f.ui().Frame3->show(); // both players panels in view
    f.program->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.program->window()));
    auto *view = f.program->window().findChild<QListView *>(list);
    auto *popUp = f.program->window().findChild<QMenu *>(menu);
    const int index = list == u"lstAvatars" ? 0 : list.back().digitValue();
    PlayerList &model = *f.program->lists().all()[static_cast<std::size_t>(index)];
    model.add(u"Ann"_s);
    model.add(u"Bo"_s);
    model.setSelected(0);
    const QPoint second = view->visualRect(model.index(1)).center();

    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mouseRelease(view->viewport(), button, {}, second);
        QVERIFY(!popUp->isVisible());
    }
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, second);
    QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, second);
    QTRY_VERIFY(popUp->isVisible());
    QCOMPARE(model.selected(), 0); // the right click selected nothing
    popUp->hide();
}

void ListEditingTest::editsActOnTheirOwnList_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<QStringList>>("after"); // lstAvatars, List1, List3, List4

    const QList<QStringList> before{{u"Ann"_s, u"Cy"_s}, {u"Zed"_s, u"Ann"_s}, {u"Dee"_s}, {u"Eve"_s, u"Fay"_s}};
    QTest::newRow("remove from the players")
        << u"mnuAviRemove"_s << 0 << 1 << QStringList{u"*** Cy has been removed ***"_s}
        << QList<QStringList>{{u"Ann"_s}, before[1], before[2], before[3]};
    QTest::newRow("remove a raffle winner") << u"mnuRemove"_s << 1 << 0
                                            << QStringList{u"*** Zed has been removed ***"_s}
                                            << QList<QStringList>{before[0], {u"Ann"_s}, before[2], before[3]};
    QTest::newRow("remove the only queued player") << u"mnuRemoveLister"_s << 3 << 0
                                                   << QStringList{u"*** Dee has been removed ***"_s}
                                                   << QList<QStringList>{before[0], before[1], {}, before[3]};
    QTest::newRow("remove a called player") << u"mnuRe"_s << 4 << 1 << QStringList{u"*** Fay has been removed ***"_s}
                                            << QList<QStringList>{before[0], before[1], before[2], {u"Eve"_s}};
    QTest::newRow("nothing selected") << u"mnuRe"_s << 4 << -1 << QStringList{} << before;
    QTest::newRow("a winner back among the players, twice over")
        << u"mnuAdd"_s << 1 << 1 << QStringList{}
        << QList<QStringList>{{u"Ann"_s, u"Ann"_s, u"Cy"_s}, {u"Zed"_s}, before[2], before[3]};
    QTest::newRow("a called player back at the end of the queue")
        << u"mnuAdd1"_s << 4 << 0 << QStringList{}
        << QList<QStringList>{before[0], before[1], {u"Dee"_s, u"Eve"_s}, {u"Fay"_s}};
}

void ListEditingTest::editsActOnTheirOwnList()
{
    QFETCH(QString, action);
    QFETCH(int, list);
    QFETCH(int, selected);
    QFETCH(QStringList, said);
    QFETCH(QList<QStringList>, after);

    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    const QList<QStringList> before{{u"Ann"_s, u"Cy"_s}, {u"Zed"_s, u"Ann"_s}, {u"Dee"_s}, {u"Eve"_s, u"Fay"_s}};
    PlayerList *const edited[] = {&lists.lstAvatars, &lists.List1, &lists.List3, &lists.List4};
    for (int i = 0; i < 4; ++i) {
        for (const QString &name : before[i])
            edited[i]->add(name);
        edited[i]->setSelected(0); // every list has a selection; the command must pick its own
    }
    lists.all()[static_cast<std::size_t>(list)]->setSelected(selected);
    f.clear();

    f.program->window().findChild<QAction *>(action)->trigger();

    QCOMPARE(f.said(), said);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(edited[i]->names(), after[i]);
    QVERIFY(!QFile::exists(f.dir.filePath(u"Recover.bak"_s))); // hand edits are saved by the next game action
}

void ListEditingTest::aRemovedPlayerIsNotTakenInAgain()
{
    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    f.program->intake().setTxtHost(u"Host"_s);
    lists.List3.add(u"Bob"_s);
    lists.List3.setSelected(0);
    f.program->window().findChild<QAction *>(u"mnuRemoveLister"_s)->trigger();
    // The room now holds the announcement, said by the host after Bob's ESP.
    ScriptedWadapi::setTranscript("Host: Corvane's Hoster\r\nESP from Bob: $\r\nHost: *** Bob has been removed ***");
    f.ui().Command9->click();
    QVERIFY(lists.List3.isEmpty());
}
