#include "core/recovery.h"
#include "gamestests.h"
#include "journal/journalrestore.h"
#include "scriptedwadapi.h"
#include "support/gamesfixture.h"

#include <QHash>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Every operation that speaks, on one evening: player C left, winners B
// then A, Dave queued, Alice and Bob called, Red given to A, round 4, Draw
// counter 3, a pacing delay of 3 s. "Clear List" starts the game's lists and
// counters again, "Reset List" puts its winners back among the players. An
// empty queue is answered between two pauses. Game actions make the window
// wait and save the lists.
void GameTest::eachOperationSpeaksOnTime_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("ticked"); // an opening mode or "Say Winners List?" first, or Draw pressed in the pauses
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
    QTest::addColumn<QStringList>("recorded"); // the journal's entries the operation made

    const QString evening = u"C|B,A|A,B,C,Corvane|Dave|Alice,Bob"_s;
    const QString noQueue = u"C|B,A|A,B,C,Corvane||Alice,Bob"_s;
    const QStringList raffle{u"Corvane's Hoster"_s, u"http://www.corvanes-games.example"_s,
                             u"Welcome to Corvane's games"_s, u"*** Starting a New Game ***"_s};
    const QStringList lister{raffle[0], raffle[2], raffle[1], raffle[3]};
    const QString invitation = u"Please send me Corvane a $ to get on the list"_s;
    const QList<qint64> paced{0, 3000, 3000, 6000, 9000};
    QTest::newRow("raffle Start, Clear List")
        << u"raffle start"_s << u"Clear List"_s << evening << raffle + QStringList{invitation} << paced << QStringList{}
        << u"||Corvane|Dave|Alice,Bob"_s << 12000 << u"1"_s << u"0"_s << true << true << QStringList{u"start"_s};
    QTest::newRow("raffle Start, Reset List")
        << u"raffle start"_s << u"Reset List"_s << evening
        << raffle + QStringList{u"all name have been restored no need to Register"_s} << paced << QStringList{}
        << u"A,B,C||A,B,C,Corvane,Corvane|Dave|Alice,Bob"_s << 9000 << u"4"_s << u"3"_s << true << true
        << QStringList{u"start"_s};
    QTest::newRow("raffle Start, neither") << u"raffle start"_s << QString() << evening << raffle << paced.mid(0, 4)
                                           << QStringList{} << u"C|B,A|A,B,C,Corvane,Corvane|Dave|Alice,Bob"_s << 9000
                                           << u"4"_s << u"3"_s << true << true << QStringList{u"start"_s};
    QTest::newRow("Lister Start, Clear List")
        << u"Lister start"_s << u"Clear List"_s << evening << lister + QStringList{invitation}
        << QList<qint64>{0, 0, 3000, 6000, 9000} << QStringList{} << u"C|B,A|Corvane||"_s << 12000 << u"4"_s << u"0"_s
        << true << true << QStringList{u"start"_s};
    // The called players go back to the end of the queue, in called-list
    // order; the host goes into the ledger from the look-up and from Start.
    QTest::newRow("Lister Start, Reset List")
        << u"Lister start"_s << u"Reset List"_s << evening
        << lister + QStringList{u"all name have been restored no need to Register"_s}
        << QList<qint64>{0, 0, 3000, 6000, 9000} << QStringList{}
        << u"C|B,A|A,B,C,Corvane,Corvane,Corvane|Dave,Alice,Bob|"_s << 9000 << u"4"_s << u"3"_s << true << true
        << QStringList{u"start"_s};

    const QString end = u"*** End of List ***"_s;
    const QStringList winners{u"There are curently 2 players That won"_s, u"B"_s, u"A"_s, end};
    const QList<qint64> oneName{0, 3000, 6000};
    const QList<qint64> andTwo = oneName + QList<qint64>{6000, 9000, 15000, 18000};
    QTest::newRow("raffle Say List") << u"raffle sayList"_s << QString() << evening
                                     << QStringList{u"There are currenly 1 players on the list"_s, u"C"_s, end}
                                     << oneName << QStringList{} << evening << 6000 << u"4"_s << u"3"_s << true << true
                                     << QStringList{u"saylist"_s};
    QTest::newRow("raffle Say List with the winners")
        << u"raffle sayList"_s << u"Say Winners List"_s << evening
        << QStringList{u"There are currenly 1 players on the list"_s, u"C"_s, end} + winners << andTwo << QStringList{}
        << evening << 18000 << u"4"_s << u"3"_s << true << true << QStringList{u"saylist"_s};
    QTest::newRow("Lister Say List with the called players")
        << u"Lister sayList"_s << u"Say Winners List"_s << evening
        << QStringList{u"thay are currenly 1 players on the list"_s,
                       u"Dave"_s,
                       end,
                       u"There are curently 2 players That won"_s,
                       u"Alice"_s,
                       u"Bob"_s,
                       end}
        << andTwo << QStringList{} << evening << 18000 << u"4"_s << u"3"_s << true << true << QStringList{u"saylist"_s};
    QTest::newRow("Round #") << u"announceRound"_s << QString() << evening << QStringList{u"Round 4 of 10"_s}
                             << QList<qint64>{0} << QStringList{} << evening << 0 << u"4"_s << u"3"_s << true << true
                             << QStringList{u"round"_s};

    const QStringList closing{u"*** Registration is Closing in 10 ***"_s,
                              u"** 5 **"_s,
                              u"** 4 **"_s,
                              u"** 3 **"_s,
                              u"** 2 **"_s,
                              u"** 1 **"_s,
                              u"** Sorry registartion is now closed **"_s};
    const QList<qint64> countdown{0, 5000, 6000, 7000, 8000, 9000, 10000};
    QTest::newRow("Call 4 Reg") << u"callForRegistrations"_s << QString() << evening
                                << QStringList{u"*** Starting a New Game ***"_s, invitation} << QList<qint64>{0, 3000}
                                << QStringList{} << evening << 3000 << u"4"_s << u"3"_s << false << false
                                << QStringList{};
    QTest::newRow("Closing") << u"countDown"_s << QString() << evening << closing << countdown << QStringList{}
                             << evening << 11000 << u"4"_s << u"3"_s << false << false << QStringList{};

    QTest::newRow("Say Next with nothing to say")
        << u"warnNext"_s << QString() << evening << QStringList{} << QList<qint64>{}
        << QStringList{u"Dave: Your are next on the list"_s} << evening << 0 << u"4"_s << u"3"_s << true << true
        << QStringList{u"saynext"_s};
    QTest::newRow("Call Next with nothing to say still says the name")
        << u"callNext"_s << QString() << evening << QStringList{u"Dave "_s} << QList<qint64>{0}
        << QStringList{u"Dave: Please come down you are next"_s} << u"C|B,A|A,B,C,Corvane||Alice,Bob,Dave"_s << 0
        << u"4"_s << u"3"_s << true << true << QStringList{u"callnext"_s};
    const QStringList none{u"Opps no more names on the list"_s};
    QTest::newRow("Say Next on an empty queue")
        << u"warnNext"_s << QString() << noQueue << none << QList<qint64>{0} << QStringList{} << noQueue << 6000
        << u"4"_s << u"3"_s << true << false << QStringList{u"saynext"_s};
    QTest::newRow("Call Next on an empty queue")
        << u"callNext"_s << QString() << noQueue << none << QList<qint64>{0} << QStringList{} << noQueue << 6000
        << u"4"_s << u"3"_s << true << false << QStringList{u"callnext"_s};

    // Draw pressed in Closing's first pause, and again during the draw's own
    // pause, when the window waits: one draw, the lists and their file whole.
    QTest::newRow("Draw during Closing") << u"countDown"_s << u"Draw"_s << evening
                                         << closing.mid(0, 1)
            + QStringList{u"Drawing the winner.."_s, u"and the winner is C"_s, u"C wins "_s} + closing.mid(1)
                                         << QList<qint64>{0, 0, 0, 3000} + countdown.mid(1)
                                         << QStringList{u"C: WTG you won"_s} << u"|B,A,C|A,B,C,Corvane|Dave|Alice,Bob"_s
                                         << 11000 << u"5"_s << u"4"_s << true << true
                                         << QStringList{u"pick"_s, u"draw"_s};
}

void GameTest::eachOperationSpeaksOnTime()
{
    QFETCH(QString, operation);
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
    QFETCH(QStringList, recorded);

    GamesFixture f;
    GameSession &s = f.session;
    fillLists(s.lists, before);
    s.intake.setHost(u"Corvane"_s);
    s.colours.give(ColourCaller::Red, u"A"_s);
    s.settings.setItem(HostSettings::Round, u"4"_s);
    s.settings.setItem(HostSettings::Delay, u"3"_s);
    s.settings.setItem(HostSettings::SayNextSay, QString());
    s.settings.setItem(HostSettings::CallNextSay, QString());
    s.settings.setChecked(HostSettings::Check::SayPrizes, true); // a drawn winner's prize is said
    s.settings.setChecked(HostSettings::Check::SayWinnersList, ticked == u"Say Winners List");
    s.state.drawCounter = u"3"_s;
    s.state.opening = ticked == u"Clear List" ? GameState::Opening::ClearList
        : ticked == u"Reset List"             ? GameState::Opening::ResetList
                                              : GameState::Opening::Neither;
    ScriptedWadapi::setTranscript("Ann: hi\r\nCorvane: Corvane's Hoster\r\nCorvane: Welcome\r\nESP from Zoe: $\r\n"
                                  "ESP from Bob: $\r\nESP from Adam: $\r\nCorvane: *** Bob has been removed ***\r\n"
                                  "ESP from Mia: $");
    f.clear();
    const qsizetype entriesBefore = s.journal.entries().size();
    QList<bool> enabled;
    connect(&s.input, &WindowInput::enabledChanged, this, [&enabled](bool on) { enabled << on; });
    int presses = 0;
    const auto draw = [&f, &presses] {
        ++presses;
        f.press([&f] { f.session.raffle.draw(); });
    };
    if (ticked == u"Draw") {
        QTimer::singleShot(0, &s.input, [&s, draw] {
            QTimer::singleShot(0, &s.input, draw);
            draw();
        });
    }
    const qint64 start = f.clock.nowMs();

    const QHash<QString, std::function<void()>> operations{
        {u"raffle start"_s, [&s] { s.raffle.start(); }},
        {u"Lister start"_s, [&s] { s.lister.start(); }},
        {u"raffle sayList"_s, [&s] { s.raffle.sayList(); }},
        {u"Lister sayList"_s, [&s] { s.lister.sayList(); }},
        {u"announceRound"_s, [&s] { s.raffle.announceRound(); }},
        {u"callForRegistrations"_s, [&s] { s.announcements.callForRegistrations(); }},
        {u"countDown"_s, [&s] { s.announcements.countDown(); }},
        {u"warnNext"_s, [&s] { s.lister.warnNext(); }},
        {u"callNext"_s, [&s] { s.lister.callNext(); }}};

    f.press(operations.value(operation));

    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QCOMPARE(f.esps(), esps);
    QCOMPARE(listsOf(s.lists), after);
    QCOMPARE(f.clock.nowMs() - start, qint64(took));
    QCOMPARE(s.settings.item(HostSettings::Round), round);
    QCOMPARE(s.state.drawCounter, counter);
    QCOMPARE(s.colours.holder(ColourCaller::Red), counter == u"0" ? QString() : u"A"_s);
    QCOMPARE(presses, ticked == u"Draw" ? 2 : 0);
    QCOMPARE(enabled, waits ? (QList<bool>{false, true}) : QList<bool>());
    QCOMPARE(f.recoveryFile(), saves ? Recovery::format(s.lists) : QByteArray("<none>"));
    QStringList ops;
    for (const JournalEntry &entry : s.journal.entries().mid(entriesBefore))
        ops << entry.op();
    QCOMPARE(ops, recorded);
    // The journal replays to the lists as they stand, whatever the operation did.
    QCOMPARE(JournalRestore::stateAfter(s.journal.entries(), s.journal.lastSeq()), ListState::of(s.lists));
}
