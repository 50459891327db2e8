#include "rafflertest.h"

#include "core/recovery.h"
#include "games/winnerpicker.h"
#include "support/programfixture.h"

#include <QFile>
#include <QTest>
#include <QTimer>

#include <array>

using namespace Qt::StringLiterals;

void RafflerTest::startOpensAGameInEachMode_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<qint64>>("moments");
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<QStringList>("winners");
    QTest::addColumn<QStringList>("ledger");

    const QStringList opening{u"Corvane's Hoster"_s, u"http://www.corvanes-games.example"_s,
                              u"Welcome to Corvane's games"_s, u"*** Starting a New Game ***"_s};
    QTest::newRow("Clear List") << u"Option1"_s
                                << opening + QStringList{u"Please send me Corvane a $ to get on the list"_s}
                                << QList<qint64>{0, 1000, 1000, 2000, 3000} << QStringList{} << QStringList{}
                                << QStringList{u"Corvane"_s};
    QTest::newRow("Reset List") << u"Option2"_s
                                << opening + QStringList{u"all name have been restored no need to Register"_s}
                                << QList<qint64>{0, 1000, 1000, 2000, 3000}
                                << QStringList{u"A"_s, u"B"_s, u"C"_s} << QStringList{}
                                << QStringList{u"A"_s, u"B"_s, u"C"_s, u"Corvane"_s, u"Corvane"_s};
    QTest::newRow("neither") << QString() << opening << QList<qint64>{0, 1000, 1000, 2000} << QStringList{u"C"_s}
                             << QStringList{u"B"_s, u"A"_s}
                             << QStringList{u"A"_s, u"B"_s, u"C"_s, u"Corvane"_s, u"Corvane"_s};
}

void RafflerTest::startOpensAGameInEachMode()
{
    QFETCH(QString, option);
    QFETCH(QStringList, said);
    QFETCH(QList<qint64>, moments);
    QFETCH(QStringList, players);
    QFETCH(QStringList, winners);
    QFETCH(QStringList, ledger);

    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    // Last game: winners B then A, player C left; the host already known.
    ProgramFixture::fill(lists.lstAvatars, {u"C"_s});
    ProgramFixture::fill(lists.List1, {u"B"_s, u"A"_s});
    ProgramFixture::fill(lists.List2, {u"A"_s, u"B"_s, u"C"_s, u"Corvane"_s});
    f.program->intake().setTxtHost(u"Corvane"_s);
    f.program->colours().give(ColourCaller::Red, u"A"_s);
    f.program->settings().setItem(HostSettings::Round, u"4"_s);
    f.program->state().Text3 = u"3"_s;
    if (option.isEmpty()) {
        f.ui().Option1->setAutoExclusive(false);
        f.ui().Option1->setChecked(false);
    } else {
        f.program->window().findChild<QRadioButton *>(option)->setChecked(true);
    }
    ScriptedWadapi::setTranscript("Ann: hi\r\nCorvane: Corvane's Hoster\r\nCorvane: Welcome");
    f.clear();

    QList<bool> enabled;
    connect(&f.program->input(), &WindowInput::enabledChanged, [&enabled](bool on) { enabled << on; });
    f.ui().cmdStart->click();

    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QCOMPARE(enabled, (QList<bool>{false, true}));
    QCOMPARE(f.program->intake().txtHost(), u"Corvane"_s);
    QCOMPARE(lists.lstAvatars.names(), players);
    QCOMPARE(lists.List1.names(), winners);
    QCOMPARE(lists.List2.names(), ledger);
    const bool fresh = option == u"Option1";
    QCOMPARE(f.program->state().Text3, fresh ? u"0"_s : u"3"_s);
    QCOMPARE(f.program->settings().item(HostSettings::Round), fresh ? u"1"_s : u"4"_s);
    QCOMPARE(f.program->colours().holder(ColourCaller::Red), fresh ? QString() : u"A"_s);
    QCOMPARE(f.recoveryFile(), Recovery::format(lists));
}

void RafflerTest::drawsWinners_data()
{
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<QString>("draws");
    QTest::addColumn<bool>("sayPrizes");
    QTest::addColumn<QString>("counter"); // Text3 before the press
    QTest::addColumn<int>("winners");
    QTest::addColumn<bool>("runsOut");
    QTest::addColumn<QString>("prize");

    const QStringList three{u"Ann"_s, u"Bo"_s, u"Cy"_s};
    QTest::newRow("two of three, prizes off") << three << u"2"_s << false << u"0"_s << 2 << false << QString();
    QTest::newRow("one with the first prize") << QStringList{u"Ann"_s} << u"1"_s << true << u"0"_s << 1 << false
                                              << u"Gold hat"_s;
    QTest::newRow("no players") << QStringList{} << u"1"_s << true << u"0"_s << 0 << true << QString();
    QTest::newRow("more draws than players") << QStringList{u"Ann"_s, u"Bo"_s} << u"3"_s << true << u"1"_s << 2
                                             << true << u"Silver cup"_s;
    QTest::newRow("zero draws") << three << u"0"_s << true << u"0"_s << 0 << false << QString();
    QTest::newRow("draws not a number") << three << u"x"_s << true << u"0"_s << 0 << false << QString();
    QTest::newRow("a half rounds to even") << three << u"2.5"_s << true << u"0"_s << 3 << false << u"Gold hat"_s;
    QTest::newRow("a counter past the last prize") << QStringList{u"Ann"_s} << u"1"_s << true << u"10"_s << 1
                                                   << false << QString();
}

void RafflerTest::drawsWinners()
{
    QFETCH(QStringList, players);
    QFETCH(QString, draws);
    QFETCH(bool, sayPrizes);
    QFETCH(QString, counter);
    QFETCH(int, winners);
    QFETCH(bool, runsOut);
    QFETCH(QString, prize);

    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    HostSettings &settings = f.program->settings();
    ProgramFixture::fill(lists.lstAvatars, players);
    settings.setItem(HostSettings::Draws, draws);
    settings.setChecked(HostSettings::Check3, sayPrizes);
    f.program->prizes().setPrize(0, u"Gold hat"_s);
    f.program->prizes().setPrize(1, u"Silver cup"_s);
    f.program->state().Text3 = counter;
    f.clear();

    f.ui().Command3->click();

    // Counters are raised before the draw, whatever it finds.
    QCOMPARE(f.program->state().Text3, QString::number(counter.toInt() + 1));
    QCOMPARE(settings.item(HostSettings::Round), u"2"_s);
    QVERIFY(f.program->input().isEnabled());

    QStringList expected;
    QStringList drawn;
    const QStringList said = f.said();
    for (int i = 0; i + 1 < said.size(); ++i) {
        if (said[i] == u"Drawing the winner.." && said[i + 1].startsWith(u"and the winner is "_s))
            drawn << said[i + 1].mid(18);
    }
    QCOMPARE(drawn.size(), winners);
    QCOMPARE(QSet<QString>(drawn.cbegin(), drawn.cend()).size(), winners); // never the same name twice
    for (const QString &name : drawn) {
        expected << u"Drawing the winner.."_s << u"and the winner is "_s + name;
        if (sayPrizes)
            expected << name + u" wins "_s + prize;
    }
    if (runsOut)
        expected << u"Drawing the winner.."_s << u"Opps no more names on the list"_s;
    QCOMPARE(said, expected);

    QCOMPARE(lists.lstAvatars.count(), players.size() - winners);
    QCOMPARE(lists.List1.names(), sayPrizes ? drawn : QStringList{});
    QStringList esps;
    for (const QString &name : drawn) {
        if (sayPrizes)
            esps << name + u": WTG you won"_s;
    }
    QCOMPARE(f.esps(), esps);
    if (!drawn.isEmpty())
        QCOMPARE(f.program->state().Text2, drawn.last());
    QCOMPARE(f.recoveryFile(), Recovery::format(lists));
}

void RafflerTest::everyNameHasTheSameChance()
{
    // Many picks in one virtual clock tick: the seed must still change and no
    // index may be favoured. Chi-square with 5 degrees of freedom; 35.9 is
    // exceeded by chance once in a million runs, by a modulo-biased or
    // reseeded-per-tick pick always.
    FakeClock clock;
    WinnerPicker picker(clock);
    constexpr int kNames = 6;
    constexpr int kPicks = 60000;
    std::array<int, kNames> counts{};
    for (int i = 0; i < kPicks; ++i) {
        const int index = picker.pick(kNames);
        QVERIFY(index >= 0 && index < kNames);
        ++counts[index];
    }
    double chiSquare = 0;
    const double expected = double(kPicks) / kNames;
    for (const int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    QVERIFY2(chiSquare < 35.9, qPrintable(u"chi-square %1"_s.arg(chiSquare)));

    // A single name is always picked.
    QCOMPARE(picker.pick(1), 0);
}

void RafflerTest::roundIsAnnouncedAsItStands()
{
    ProgramFixture f;
    f.ui().Command2->click(); // Restore Defults: item 8 follows item 9 from the first change on
    f.ui().Option1->setChecked(true);
    f.ui().cmdStart->click();
    f.clear();
    f.ui().Command13->click();
    QCOMPARE(f.said(), QStringList{u"Round 1 of 10"_s});
    f.ui().Command3->click();
    f.clear();
    f.ui().Command13->click();
    QCOMPARE(f.said(), QStringList{u"Round 2 of 10"_s});
    QVERIFY(QFile::exists(f.dir.filePath(u"Recover.bak"_s)));
}

void RafflerTest::saysTheListWithTwoPausesBetweenNames_data()
{
    QTest::addColumn<bool>("sayWinners");
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<qint64>>("moments");

    QTest::newRow("players only") << false << QStringList{u"A"_s, u"B"_s}
                                  << QStringList{u"There are currenly 2 players on the list"_s, u"A"_s, u"B"_s,
                                                 u"*** End of List ***"_s}
                                  << QList<qint64>{0, 1000, 3000, 4000};
    QTest::newRow("with the winners") << true << QStringList{u"A"_s}
                                      << QStringList{u"There are currenly 1 players on the list"_s, u"A"_s,
                                                     u"*** End of List ***"_s, u"There are curently 1 players That won"_s,
                                                     u"C"_s, u"*** End of List ***"_s}
                                      << QList<qint64>{0, 1000, 2000, 2000, 3000, 4000};
    QTest::newRow("nobody") << false << QStringList{}
                            << QStringList{u"There are currenly 0 players on the list"_s, u"*** End of List ***"_s}
                            << QList<qint64>{0, 0};
}

void RafflerTest::saysTheListWithTwoPausesBetweenNames()
{
    QFETCH(bool, sayWinners);
    QFETCH(QStringList, players);
    QFETCH(QStringList, said);
    QFETCH(QList<qint64>, moments);

    ProgramFixture f;
    ProgramFixture::fill(f.program->lists().lstAvatars, players);
    ProgramFixture::fill(f.program->lists().List1, {u"C"_s});
    f.program->settings().setChecked(HostSettings::Check2, sayWinners);
    f.clear();
    f.ui().Command1->click();
    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QVERIFY(f.program->input().isEnabled());
}

void RafflerTest::saysThePrizes_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("text6");
    QTest::addColumn<QStringList>("places");

    QTest::newRow("three") << u"3"_s << u"1"_s
                           << QStringList{u"1st Place P1"_s, u"2nd Place P2"_s, u"3rd Place P3"_s};
    QTest::newRow("one keeps the counter's text") << u"1"_s << u"4"_s << QStringList{u"4st Place P1"_s};
    QTest::newRow("none") << u"0"_s << u"1"_s << QStringList{};
    QTest::newRow("not a number") << u"many"_s << u"1"_s << QStringList{};
    QTest::newRow("a half rounds to even") << u"2.5"_s << u"1"_s
                                           << QStringList{u"1st Place P1"_s, u"2nd Place P2"_s, u"3rd Place P3"_s};
    QTest::newRow("another half") << u"3.5"_s << u"1"_s
                                  << QStringList{u"1st Place P1"_s, u"2nd Place P2"_s, u"3rd Place P3"_s};
    QStringList ten;
    for (int k = 1; k <= 10; ++k)
        ten << QString::number(k) + QStringList{u"st"_s, u"nd"_s, u"rd"_s}.value(k - 1, u"th"_s) + u" Place P"_s
                   + QString::number(k);
    QTest::newRow("more places than prize boxes") << u"25"_s << u"1"_s << ten;
    QTest::newRow("absurdly many") << u"1e12"_s << u"1"_s << ten;
}

void RafflerTest::saysThePrizes()
{
    QFETCH(QString, count);
    QFETCH(QString, text6);
    QFETCH(QStringList, places);

    ProgramFixture f;
    HostSettings &settings = f.program->settings();
    for (int i = 0; i < 10; ++i)
        f.program->prizes().setPrize(i, u"P"_s + QString::number(i + 1));
    settings.setItem(HostSettings::PrizeCount, count);
    settings.setText6(text6);
    f.clear();
    f.ui().Command34->click();
    QCOMPARE(f.said(), QStringList{u"There is 1 Placing this round"_s} + places);
    QCOMPARE(settings.Text6(), u"1"_s);
}

void RafflerTest::closingCountsDownOnFixedPauses()
{
    ProgramFixture f;
    f.program->settings().setItem(HostSettings::Delay, u"3"_s); // not used by the countdown
    f.clear();
    const qint64 start = f.clock.nowMs();
    QList<bool> enabled;
    connect(&f.program->input(), &WindowInput::enabledChanged, [&enabled](bool on) { enabled << on; });
    f.ui().Command29->click();
    QCOMPARE(f.said(), (QStringList{u"*** Registration is Closing in 10 ***"_s, u"** 5 **"_s, u"** 4 **"_s,
                                   u"** 3 **"_s, u"** 2 **"_s, u"** 1 **"_s, u"** Sorry registartion is now closed **"_s}));
    QCOMPARE(f.moments(), (QList<qint64>{0, 5000, 6000, 7000, 8000, 9000, 10000}));
    QCOMPARE(f.clock.nowMs() - start, qint64(11000));
    QVERIFY(enabled.isEmpty()); // the window stays usable
}

void RafflerTest::aClickDuringAPauseKeepsListsAndFileWhole()
{
    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    ProgramFixture::fill(lists.lstAvatars, {u"Ann"_s, u"Bo"_s, u"Cy"_s});
    f.program->settings().setChecked(HostSettings::Check3, true);
    f.clear();

    // The host presses "Draw" during the countdown's first pause, and tries
    // "Draw" again while that draw pauses: the window is disabled then.
    int drawsSeen = 0;
    QTimer::singleShot(0, f.program.get(), [&] {
        QTimer::singleShot(0, f.program.get(), [&] {
            ++drawsSeen;
            f.ui().Command3->click();
        });
        ++drawsSeen;
        f.ui().Command3->click();
    });
    f.ui().Command29->click();

    QCOMPARE(drawsSeen, 2);
    const QStringList said = f.said();
    QCOMPARE(said.first(), u"*** Registration is Closing in 10 ***"_s);
    QCOMPARE(said.at(1), u"Drawing the winner.."_s);
    QCOMPARE(said.count(u"Drawing the winner.."_s), 1);
    QCOMPARE(said.last(), u"** Sorry registartion is now closed **"_s);
    QCOMPARE(lists.lstAvatars.count() + lists.List1.count(), 3);
    QCOMPARE(lists.List1.count(), 1);
    QCOMPARE(f.recoveryFile(), Recovery::format(lists));
    QVERIFY(f.program->input().isEnabled());
}
