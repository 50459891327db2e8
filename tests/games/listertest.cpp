#include "gamestests.h"

#include "core/recovery.h"
#include "support/programfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

// "Say Next" warns the queue's head, "Call Next" calls it down to the called
// players and saves; an empty queue gets its answer between two pauses.
// Settings 3 and 12, what the room is told with the name, are empty here.
void GameTest::warnsAndCallsTheHead_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("lists"); // before, then afterwards
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("esps");

    const QStringList none{u"Opps no more names on the list"_s};
    QTest::newRow("Say Next with nothing to say")
        << u"Command12"_s << u"|||Alice,Bob|"_s << u"|||Alice,Bob|"_s << QStringList{}
        << QStringList{u"Alice: Your are next on the list"_s};
    QTest::newRow("Call Next with nothing to say still says the name")
        << u"Command7"_s << u"|||Alice,Bob|"_s << u"|||Bob|Alice"_s << QStringList{u"Alice "_s}
        << QStringList{u"Alice: Please come down you are next"_s};
    QTest::newRow("Say Next on an empty queue") << u"Command12"_s << u"||||"_s << u"||||"_s << none << QStringList{};
    QTest::newRow("Call Next on an empty queue") << u"Command7"_s << u"||||"_s << u"||||"_s << none << QStringList{};
}

void GameTest::warnsAndCallsTheHead()
{
    QFETCH(QString, button);
    QFETCH(QString, lists);
    QFETCH(QString, after);
    QFETCH(QStringList, said);
    QFETCH(QStringList, esps);

    ProgramFixture f;
    fillLists(f.program->lists(), lists);
    f.program->settings().setItem(HostSettings::SayNextSay, QString());
    f.program->settings().setItem(HostSettings::CallNextSay, QString());
    f.clear();
    const qint64 start = f.clock.nowMs();
    f.program->window().findChild<QPushButton *>(button)->click();

    QCOMPARE(f.said(), said);
    QCOMPARE(f.esps(), esps);
    QCOMPARE(listsOf(f.program->lists()), after);
    QVERIFY(f.program->input().isEnabled());
    const bool waited = lists == u"||||";
    QCOMPARE(f.recoveryFile(), waited ? QByteArray("<none>") : Recovery::format(f.program->lists()));
    QCOMPARE(f.clock.nowMs() - start, waited ? qint64(2000) : qint64(0));
}

// Get Reg queues players in the order they registered, not sorted.
void GameTest::theQueueKeepsArrivalOrder()
{
    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    ScriptedWadapi::setTranscript("Host: Corvane's Hoster\r\nESP from Zoe: $\r\nESP from Adam: $\r\nESP from Mia: $");
    f.ui().Command9->click();
    QCOMPARE(lists.List3.names(), (QStringList{u"Zoe"_s, u"Adam"_s, u"Mia"_s}));
}

// The panels' announcements, on the pacing delay where they pace. Say List
// reads its own panel's list with two pauses between names, then, when
// asked, the winners or called players; it makes the window wait and saves
// the lists. Call 4 Reg and Closing say the same from either panel, the
// countdown on its own pauses, and leave the window usable.
void GameTest::announcementsAreSaidOnTime_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("sayWinners");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<qint64>>("moments");
    QTest::addColumn<bool>("gameAction");

    const QString end = u"*** End of List ***"_s;
    const QString winners = u"There are curently 1 players That won"_s;
    const QStringList players{u"There are currenly 2 players on the list"_s, u"Ann"_s, u"Bo"_s, end};
    const QList<qint64> twoNames{0, 3000, 9000, 12000};
    const QList<qint64> andOne = twoNames + QList<qint64>{12000, 15000, 18000};
    QTest::newRow("raffle Say List") << u"Command1"_s << false << players << twoNames << true;
    QTest::newRow("raffle Say List with the winners")
        << u"Command1"_s << true << players + QStringList{winners, u"Cy"_s, end} << andOne << true;
    QTest::newRow("Lister Say List with the called players")
        << u"Command11"_s << true
        << QStringList{u"thay are currenly 2 players on the list"_s, u"Dee"_s, u"Eve"_s, end, winners, u"Fay"_s, end}
        << andOne << true;
    const QStringList call{u"*** Starting a New Game ***"_s, u"Please send me Corvane a $ to get on the list"_s};
    const QStringList closing{u"*** Registration is Closing in 10 ***"_s, u"** 5 **"_s, u"** 4 **"_s, u"** 3 **"_s,
                              u"** 2 **"_s, u"** 1 **"_s, u"** Sorry registartion is now closed **"_s};
    const QList<qint64> countdown{0, 5000, 6000, 7000, 8000, 9000, 10000};
    QTest::newRow("raffle Call 4 Reg") << u"Command32"_s << false << call << QList<qint64>{0, 3000} << false;
    QTest::newRow("Lister Call 4 Reg") << u"Command31"_s << false << call << QList<qint64>{0, 3000} << false;
    QTest::newRow("raffle Closing") << u"Command29"_s << false << closing << countdown << false;
    QTest::newRow("Lister Closing") << u"Command30"_s << false << closing << countdown << false;
}

void GameTest::announcementsAreSaidOnTime()
{
    QFETCH(QString, button);
    QFETCH(bool, sayWinners);
    QFETCH(QStringList, said);
    QFETCH(QList<qint64>, moments);
    QFETCH(bool, gameAction);

    ProgramFixture f;
    fillLists(f.program->lists(), u"Ann,Bo|Cy||Dee,Eve|Fay"_s);
    f.program->intake().setTxtHost(u"Corvane"_s);
    f.program->settings().setItem(HostSettings::Delay, u"3"_s);
    f.program->settings().setChecked(HostSettings::Check2, sayWinners);
    f.clear();
    QList<bool> enabled;
    connect(&f.program->input(), &WindowInput::enabledChanged, this, [&enabled](bool on) { enabled << on; });
    f.program->window().findChild<QPushButton *>(button)->click();

    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QCOMPARE(enabled, gameAction ? (QList<bool>{false, true}) : QList<bool>());
    QCOMPARE(f.recoveryFile(), gameAction ? Recovery::format(f.program->lists()) : QByteArray("<none>"));
}

// Either panel's Colors Caller opens the colours and "Ok" closes them; the
// Lister's also saves the lists, the raffle's does not.
void GameTest::theColoursPanelComesAndGoes()
{
    ProgramFixture f;
    Ui::Draw &ui = f.ui();
    ui.Command21->click();
    QVERIFY(!ui.Frame22->isHidden());
    QCOMPARE(f.recoveryFile(), QByteArray("<none>"));
    ui.Command24->click();
    QVERIFY(ui.Frame22->isHidden());
    ui.mnuLister->trigger();
    ui.Command25->click();
    QVERIFY(!ui.Frame22->isHidden());
    QCOMPARE(f.recoveryFile(), Recovery::format(f.program->lists()));
}
