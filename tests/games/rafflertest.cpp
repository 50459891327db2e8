#include "core/recovery.h"
#include "games/drawseal.h"
#include "games/winnerpicker.h"
#include "gamestests.h"
#include "scriptedwadapi.h"
#include "support/gamesfixture.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

// "Draw" raises its counters, then draws as many winners as asked, each
// named once, with the prize of the counter when prizes are said.
void GameTest::drawsWinners_data()
{
    QTest::addColumn<int>("players"); // of Ann, Bo and Cy
    QTest::addColumn<QString>("draws");
    QTest::addColumn<bool>("sayPrizes");
    QTest::addColumn<QString>("counter"); // before the press
    QTest::addColumn<int>("winners");
    QTest::addColumn<bool>("runsOut");
    QTest::addColumn<QString>("prize");

    QTest::newRow("two of three, prizes off") << 3 << u"2"_s << false << u"0"_s << 2 << false << QString();
    QTest::newRow("no players") << 0 << u"1"_s << true << u"0"_s << 0 << true << QString();
    QTest::newRow("more draws than players") << 2 << u"3"_s << true << u"1"_s << 2 << true << u"Silver cup"_s;
    QTest::newRow("zero draws") << 3 << u"0"_s << true << u"0"_s << 0 << false << QString();
    QTest::newRow("a half rounds to even") << 3 << u"2.5"_s << true << u"0"_s << 3 << false << u"Gold hat"_s;
    QTest::newRow("a counter past the last prize") << 1 << u"1"_s << true << u"10"_s << 1 << false << QString();
}

void GameTest::drawsWinners()
{
    QFETCH(int, players);
    QFETCH(QString, draws);
    QFETCH(bool, sayPrizes);
    QFETCH(QString, counter);
    QFETCH(int, winners);
    QFETCH(bool, runsOut);
    QFETCH(QString, prize);

    GamesFixture f;
    GameSession &s = f.session;
    const QStringList names = QStringList{u"Ann"_s, u"Bo"_s, u"Cy"_s}.mid(0, players);
    fill(s.lists.players, names);
    s.settings.setItem(HostSettings::Draws, draws);
    s.settings.setChecked(HostSettings::Check::SayPrizes, sayPrizes);
    s.prizes.setPrize(0, u"Gold hat"_s);
    s.prizes.setPrize(1, u"Silver cup"_s);
    s.state.drawCounter = counter;
    f.clear();

    f.press([&s] { s.raffle.draw(); });

    QCOMPARE(s.state.drawCounter, QString::number(counter.toInt() + 1));
    QCOMPARE(s.settings.item(HostSettings::Round), u"2"_s);
    QVERIFY(s.input.isEnabled());
    const QStringList said = f.said();
    static const QRegularExpression announced(u"^and the winner is "_s);
    const QStringList drawn = QStringList(said.filter(announced)).replaceInStrings(announced, QString());
    QCOMPARE(drawn.size(), winners);
    QStringList expected;
    QStringList esps;
    for (const QString &name : drawn) {
        expected << u"Drawing the winner.."_s << u"and the winner is "_s + name;
        if (sayPrizes) {
            expected << name + u" wins "_s + prize;
            esps << name + u": WTG you won"_s;
        }
    }
    if (runsOut)
        expected << u"Drawing the winner.."_s << u"Opps no more names on the list"_s;
    QCOMPARE(said, expected);
    QCOMPARE(f.esps(), esps);
    // Nobody is lost or drawn twice: the drawn leave the players, and become
    // winners when prizes are said.
    QStringList everyone = s.lists.players.names() + drawn;
    everyone.sort();
    QCOMPARE(everyone, names);
    QCOMPARE(s.lists.winners.names(), sayPrizes ? drawn : QStringList{});
    QCOMPARE(f.recoveryFile(), Recovery::format(s.lists));
}

void GameTest::everyNameHasTheSameChance()
{
    // Many picks in one virtual clock tick: the seed must still change and no
    // index may be favoured. Chi-square with 5 degrees of freedom; 35.9 is
    // exceeded by chance once in a million runs, by a modulo-biased or
    // reseeded-per-tick pick always.
    FakeClock clock;
    QTemporaryDir dir;
    DrawSeal seal(dir.filePath(u"seal.ini"_s));
    WinnerPicker picker(clock, seal);
    constexpr int kNames = 6;
    const QStringList names{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s};
    constexpr int kPicks = 60000;
    std::array<int, kNames> counts{};
    for (int i = 0; i < kPicks; ++i) {
        const int index = picker.pick(names).index;
        QVERIFY(index >= 0 && index < kNames);
        ++counts[index];
    }
    double chiSquare = 0;
    const double expected = double(kPicks) / kNames;
    for (const int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    QVERIFY2(chiSquare < 35.9, qPrintable(u"chi-square %1"_s.arg(chiSquare)));
    QCOMPARE(picker.pick({u"Ann"_s}).index, 0);
}

// One place per prize asked for, at most the ten prize boxes; the places
// count on from the place counter, which starts again at 1.
void GameTest::saysThePrizes_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("places");

    QTest::newRow("three") << u"3"_s << 3;
    QTest::newRow("one") << u"1"_s << 1;
    QTest::newRow("none") << u"0"_s << 0;
    QTest::newRow("a half rounds to even") << u"3.5"_s << 3;
    QTest::newRow("absurdly many") << u"1e12"_s << 10;
}

void GameTest::saysThePrizes()
{
    QFETCH(QString, count);
    QFETCH(int, places);

    GamesFixture f;
    GameSession &s = f.session;
    for (int i = 0; i < 10; ++i)
        s.prizes.setPrize(i, u"P"_s + QString::number(i + 1));
    s.settings.setItem(HostSettings::PrizeCount, count);
    s.settings.setPlaceCounter(u"4"_s);
    f.clear();
    f.press([&s] { s.announcements.sayPrizes(); });

    QStringList expected{u"There is 1 Placing this round"_s};
    for (int k = 1; k <= places; ++k) {
        expected << QString::number(k + 3) + QStringList{u"st"_s, u"nd"_s, u"rd"_s}.value(k - 1, u"th"_s)
                + u" Place P"_s + QString::number(k);
    }
    QCOMPARE(f.said(), expected);
    QCOMPARE(s.settings.placeCounter(), u"1"_s);
}

// A macro that stops at two blank lines leaves the rest of its text with the
// shared tokenizer. A fresh Start whose transcript never comes must not take
// a host from that rest: before any host is known, the invitation names
// nobody.
void GameTest::aStartWithoutATranscriptKeepsTheHost_data()
{
    QTest::addColumn<bool>("raffle");
    QTest::newRow("raffle") << true;
    QTest::newRow("Lister") << false;
}

void GameTest::aStartWithoutATranscriptKeepsTheHost()
{
    QFETCH(bool, raffle);

    GamesFixture f;
    GameSession &s = f.session;
    const QString lineEnd = u"\r\n"_s;
    QCOMPARE(s.tokenizer.GetToken(u"Hello\r\n\r\n\r\nBob: Corvane's Hoster"_s, lineEnd), u"Hello"_s);
    QCOMPARE(s.tokenizer.GetToken(QString(), lineEnd) + s.tokenizer.GetToken(QString(), lineEnd), QString());
    s.state.opening = GameState::Opening::ClearList;
    ScriptedWadapi::setDelivery(ScriptedWadapi::Delivery::Never);
    f.clear();

    f.press([&] { raffle ? s.raffle.start() : s.lister.start(); });

    QCOMPARE(f.said().last(), u"Please send me  a $ to get on the list"_s);
    QCOMPARE(s.intake.host(), QString());
    QCOMPARE(s.lists.ledger.names(), QStringList{QString()});
    QVERIFY(s.input.isEnabled());
}
