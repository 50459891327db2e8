#include "core/recovery.h"
#include "gamestests.h"
#include "support/programfixture.h"

#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Every panel button that speaks, on one evening: player C left, winners B
// then A, Dave queued, Alice and Bob called, Red given to A, round 4, Draw
// counter 3, a pacing delay of 3 s. "Clear List" starts the game's lists and
// counters again, "Reset List" puts its winners back among the players. An
// empty queue is answered between two pauses. Game actions make the window
// wait; the Lister's Colors Caller saves the lists, the raffle's does not.
void GameTest::eachButtonSpeaksOnTime_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("ticked"); // a Start option or Check2 ticked first, or Command3 pressed in the pauses
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<qint64>>("moments");
    QTest::addColumn<QStringList>("esps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("took");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("counter"); // Draw counter; at 0 the colours start again
    QTest::addColumn<bool>("waits");
    QTest::addColumn<bool>("saves");

    const QString evening = u"C|B,A|A,B,C,Corvane|Dave|Alice,Bob"_s;
    const QString noQueue = u"C|B,A|A,B,C,Corvane||Alice,Bob"_s;
    const QStringList raffle{u"Corvane's Hoster"_s, u"http://www.corvanes-games.example"_s,
                             u"Welcome to Corvane's games"_s, u"*** Starting a New Game ***"_s};
    const QStringList lister{raffle[0], raffle[2], raffle[1], raffle[3]};
    const QString invitation = u"Please send me Corvane a $ to get on the list"_s;
    const QList<qint64> paced{0, 3000, 3000, 6000, 9000};
    QTest::newRow("raffle Start, Clear List")
        << u"cmdStart"_s << u"Option1"_s << evening << raffle + QStringList{invitation} << paced << QStringList{}
        << u"||Corvane|Dave|Alice,Bob"_s << 12000 << u"1"_s << u"0"_s << true << true;
    QTest::newRow("raffle Start, Reset List")
        << u"cmdStart"_s << u"Option2"_s << evening
        << raffle + QStringList{u"all name have been restored no need to Register"_s} << paced << QStringList{}
        << u"A,B,C||A,B,C,Corvane,Corvane|Dave|Alice,Bob"_s << 9000 << u"4"_s << u"3"_s << true << true;
    QTest::newRow("raffle Start, neither")
        << u"cmdStart"_s << QString() << evening << raffle << paced.mid(0, 4) << QStringList{}
        << u"C|B,A|A,B,C,Corvane,Corvane|Dave|Alice,Bob"_s << 9000 << u"4"_s << u"3"_s << true << true;
    QTest::newRow("Lister Start, Clear List")
        << u"Command8"_s << u"Option1"_s << evening << lister + QStringList{invitation}
        << QList<qint64>{0, 0, 3000, 6000, 9000} << QStringList{} << u"C|B,A|Corvane||"_s << 12000 << u"4"_s << u"0"_s
        << true << true;
    // The called players go back to the end of the queue, in called-list
    // order; the host goes into the ledger from the look-up and from Start.
    QTest::newRow("Lister Start, Reset List")
        << u"Command8"_s << u"Option2"_s << evening
        << lister + QStringList{u"all name have been restored no need to Register"_s}
        << QList<qint64>{0, 0, 3000, 6000, 9000} << QStringList{}
        << u"C|B,A|A,B,C,Corvane,Corvane,Corvane|Dave,Alice,Bob|"_s << 9000 << u"4"_s << u"3"_s << true << true;

    const QString end = u"*** End of List ***"_s;
    const QStringList winners{u"There are curently 2 players That won"_s, u"B"_s, u"A"_s, end};
    const QList<qint64> oneName{0, 3000, 6000};
    const QList<qint64> andTwo = oneName + QList<qint64>{6000, 9000, 15000, 18000};
    QTest::newRow("raffle Say List") << u"Command1"_s << QString() << evening
                                     << QStringList{u"There are currenly 1 players on the list"_s, u"C"_s, end}
                                     << oneName << QStringList{} << evening << 6000 << u"4"_s << u"3"_s << true << true;
    QTest::newRow("raffle Say List with the winners")
        << u"Command1"_s << u"Check2"_s << evening
        << QStringList{u"There are currenly 1 players on the list"_s, u"C"_s, end} + winners << andTwo << QStringList{}
        << evening << 18000 << u"4"_s << u"3"_s << true << true;
    QTest::newRow("Lister Say List with the called players")
        << u"Command11"_s << u"Check2"_s << evening
        << QStringList{u"thay are currenly 1 players on the list"_s,
                       u"Dave"_s,
                       end,
                       u"There are curently 2 players That won"_s,
                       u"Alice"_s,
                       u"Bob"_s,
                       end}
        << andTwo << QStringList{} << evening << 18000 << u"4"_s << u"3"_s << true << true;

    const QStringList call{u"*** Starting a New Game ***"_s, invitation};
    const QStringList closing{u"*** Registration is Closing in 10 ***"_s,
                              u"** 5 **"_s,
                              u"** 4 **"_s,
                              u"** 3 **"_s,
                              u"** 2 **"_s,
                              u"** 1 **"_s,
                              u"** Sorry registartion is now closed **"_s};
    const QList<qint64> countdown{0, 5000, 6000, 7000, 8000, 9000, 10000};
    QTest::newRow("raffle Call 4 Reg") << u"Command32"_s << QString() << evening << call << QList<qint64>{0, 3000}
                                       << QStringList{} << evening << 3000 << u"4"_s << u"3"_s << false << false;
    QTest::newRow("Lister Call 4 Reg") << u"Command31"_s << QString() << evening << call << QList<qint64>{0, 3000}
                                       << QStringList{} << evening << 3000 << u"4"_s << u"3"_s << false << false;
    QTest::newRow("raffle Closing") << u"Command29"_s << QString() << evening << closing << countdown << QStringList{}
                                    << evening << 11000 << u"4"_s << u"3"_s << false << false;
    QTest::newRow("Lister Closing") << u"Command30"_s << QString() << evening << closing << countdown << QStringList{}
                                    << evening << 11000 << u"4"_s << u"3"_s << false << false;

    QTest::newRow("Say Next with nothing to say")
        << u"Command12"_s << QString() << evening << QStringList{} << QList<qint64>{}
        << QStringList{u"Dave: Your are next on the list"_s} << evening << 0 << u"4"_s << u"3"_s << true << true;
    QTest::newRow("Call Next with nothing to say still says the name")
        << u"Command7"_s << QString() << evening << QStringList{u"Dave "_s} << QList<qint64>{0}
        << QStringList{u"Dave: Please come down you are next"_s} << u"C|B,A|A,B,C,Corvane||Alice,Bob,Dave"_s << 0
        << u"4"_s << u"3"_s << true << true;
    const QStringList none{u"Opps no more names on the list"_s};
    QTest::newRow("Say Next on an empty queue")
        << u"Command12"_s << QString() << noQueue << none << QList<qint64>{0} << QStringList{} << noQueue << 6000
        << u"4"_s << u"3"_s << true << false;
    QTest::newRow("Call Next on an empty queue")
        << u"Command7"_s << QString() << noQueue << none << QList<qint64>{0} << QStringList{} << noQueue << 6000
        << u"4"_s << u"3"_s << true << false;

    // Get Reg queues players in the order they registered, not sorted, and
    // never one whose ESP came before the host removed them.
    QTest::newRow("Lister Get Reg") << u"Command9"_s << QString() << evening << QStringList{} << QList<qint64>{}
                                    << QStringList{}
                                    << u"Adam,C,Mia,Zoe|B,A|A,Adam,B,C,Corvane,Mia,Zoe|Dave,Zoe,Adam,Mia|Alice,Bob"_s
                                    << 0 << u"4"_s << u"3"_s << true << false;
    // Draw pressed in Closing's first pause, and again during the draw's own
    // pause, when the window waits: one draw, the lists and their file whole.
    QTest::newRow("Draw during Closing") << u"Command29"_s << u"Command3"_s << evening
                                         << closing.mid(0, 1)
            + QStringList{u"Drawing the winner.."_s, u"and the winner is C"_s, u"C wins "_s} + closing.mid(1)
                                         << QList<qint64>{0, 0, 0, 3000} + countdown.mid(1)
                                         << QStringList{u"C: WTG you won"_s} << u"|B,A,C|A,B,C,Corvane|Dave|Alice,Bob"_s
                                         << 11000 << u"5"_s << u"4"_s << true << true;
    QTest::newRow("raffle Colors Caller") << u"Command21"_s << QString() << evening << QStringList{} << QList<qint64>{}
                                          << QStringList{} << evening << 0 << u"4"_s << u"3"_s << false << false;
    QTest::newRow("Lister Colors Caller") << u"Command25"_s << QString() << evening << QStringList{} << QList<qint64>{}
                                          << QStringList{} << evening << 0 << u"4"_s << u"3"_s << false << true;
}

void GameTest::eachButtonSpeaksOnTime()
{
    QFETCH(QString, button);
    QFETCH(QString, ticked);
    QFETCH(QString, before);
    QFETCH(QStringList, said);
    QFETCH(QList<qint64>, moments);
    QFETCH(QStringList, esps);
    QFETCH(QString, after);
    QFETCH(int, took);
    QFETCH(QString, round);
    QFETCH(QString, counter);
    QFETCH(bool, waits);
    QFETCH(bool, saves);

    ProgramFixture f;
    fillLists(f.program->session().lists, before);
    f.program->session().intake.setHost(u"Corvane"_s);
    f.program->session().colours.give(ColourCaller::Red, u"A"_s);
    HostSettings &settings = f.program->session().settings;
    settings.setItem(HostSettings::Round, u"4"_s);
    settings.setItem(HostSettings::Delay, u"3"_s);
    settings.setItem(HostSettings::SayNextSay, QString());
    settings.setItem(HostSettings::CallNextSay, QString());
    settings.setChecked(HostSettings::Check::SayPrizes, true); // a drawn winner's prize is said
    f.program->session().state.drawCounter = u"3"_s;
    f.ui().Option1->setAutoExclusive(false);
    f.ui().Option1->setChecked(false);
    if (ticked == u"Check2")
        settings.setChecked(HostSettings::Check::SayWinnersList, true);
    else if (ticked.startsWith(u"Option"))
        f.program->window().findChild<QRadioButton *>(ticked)->setChecked(true);
    ScriptedWadapi::setTranscript("Ann: hi\r\nCorvane: Corvane's Hoster\r\nCorvane: Welcome\r\nESP from Zoe: $\r\n"
                                  "ESP from Bob: $\r\nESP from Adam: $\r\nCorvane: *** Bob has been removed ***\r\n"
                                  "ESP from Mia: $");
    f.clear();
    QList<bool> enabled;
    connect(&f.program->session().input, &WindowInput::enabledChanged, this, [&enabled](bool on) { enabled << on; });
    int clicks = 0;
    if (ticked == u"Command3") {
        QTimer::singleShot(0, f.program.get(), [&f, &clicks] {
            QTimer::singleShot(0, f.program.get(), [&f, &clicks] {
                ++clicks;
                f.ui().Command3->click();
            });
            ++clicks;
            f.ui().Command3->click();
        });
    }
    const qint64 start = f.clock.nowMs();

    f.program->window().findChild<QPushButton *>(button)->click();

    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QCOMPARE(f.esps(), esps);
    QCOMPARE(listsOf(f.program->session().lists), after);
    QCOMPARE(f.clock.nowMs() - start, qint64(took));
    QCOMPARE(settings.item(HostSettings::Round), round);
    QCOMPARE(f.program->session().state.drawCounter, counter);
    QCOMPARE(f.program->session().colours.holder(ColourCaller::Red), counter == u"0" ? QString() : u"A"_s);
    QCOMPARE(clicks, ticked == u"Command3" ? 2 : 0);
    QCOMPARE(enabled, waits ? (QList<bool>{false, true}) : QList<bool>());
    QCOMPARE(f.recoveryFile(), saves ? Recovery::format(f.program->session().lists) : QByteArray("<none>"));
}
