#include "evenings.h"

#include "liveprogram.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList matching(const QStringList &lines, const QString &pattern)
{
    return lines.filter(QRegularExpression(pattern));
}

} // namespace

void Evenings::registrationsSurviveARestart()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s}));
    live.click("cmdStart");
    QCOMPARE(live.program->intake().txtHost(), u"Corvane"_s);

    QVERIFY(live.room.command("esp Ann: $\nesp Bob:   $ please\nesp Eve: hello\nsay Zed: $"));
    live.click("cmdGetText");
    PlayerLists &lists = live.program->lists();
    QCOMPARE(lists.lstAvatars.names(), (QStringList{u"Ann"_s, u"Bob"_s}));
    QCOMPARE(lists.List3.names(), (QStringList{u"Ann"_s, u"Bob"_s}));
    QFile file(live.dir.filePath(u"Recover.bak"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("lstAvatars\r\nAnn\r\nlstAvatars\r\nBob\r\n"));

    QVERIFY(live.restart());
    QVERIFY(live.program->lists().lstAvatars.isEmpty());
    live.mark();
    live.click("Command19");
    QCOMPARE(live.program->lists().lstAvatars.names(), (QStringList{u"Ann"_s, u"Bob"_s}));
    QCOMPARE(live.program->lists().List2.names(), (QStringList{u"Ann"_s, u"Bob"_s, u"Corvane"_s}));
    QCOMPARE(live.linesSinceMark(),
             (QStringList{u"say: *** Recovery in progress ***"_s, u"say: *** Recovery complete ***"_s}));
    live.stop();
    QCOMPARE(live.room.log(u"KillDDE"_s).size(), 2);
}

void Evenings::aWholeRaffle()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s, u"--bots"_s, u"5"_s}));
    Program &program = *live.program;
    program.settings().setChecked(HostSettings::Check3, true); // say prizes
    program.settings().setChecked(HostSettings::Check2, true); // say the winners
    for (int i = 0; i < 3; ++i)
        program.prizes().setPrize(i, u"Prize number %1"_s.arg(i + 1));
    program.settings().setItem(HostSettings::PrizeCount, u"3"_s);

    live.mark();
    live.click("cmdStart");
    QVERIFY(live.takeIn("cmdGetText", 5));
    live.click("Command29"); // Closing
    live.click("Command1");  // Say List
    for (int draw = 0; draw < 3; ++draw)
        live.click("Command3");
    live.click("Command34"); // Say Prizes
    live.click("Command13"); // Round #

    const QStringList lines = live.linesSinceMark();
    const QStringList players = program.lists().List2.names().filter(QRegularExpression(u"^(?!Corvane$)"_s));
    QCOMPARE(players.size(), 5);
    const QStringList opening{u"say: Corvane's Hoster"_s, u"say: http://www.corvanes-games.example"_s,
                              u"say: Welcome to Corvane's games"_s, u"say: *** Starting a New Game ***"_s,
                              u"say: Please send me Corvane a $ to get on the list"_s};
    QCOMPARE(lines.mid(0, 5), opening);
    QCOMPARE(lines.mid(5, 7), (QStringList{u"say: *** Registration is Closing in 10 ***"_s, u"say: ** 5 **"_s,
                                          u"say: ** 4 **"_s, u"say: ** 3 **"_s, u"say: ** 2 **"_s, u"say: ** 1 **"_s,
                                          u"say: ** Sorry registartion is now closed **"_s}));
    QCOMPARE(lines.at(12), u"say: There are currenly 5 players on the list"_s);
    QCOMPARE(lines.mid(13, 5), QStringList(players).replaceInStrings(QRegularExpression(u"^"_s), u"say: "_s));

    // Three draws, each a winner with the prize of its press and the winner's ESP.
    const QStringList winners = program.lists().List1.names();
    QCOMPARE(winners.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(lines.contains(u"say: and the winner is "_s + winners[i]));
        QVERIFY(lines.contains(u"say: %1 wins Prize number %2"_s.arg(winners[i]).arg(i + 1)));
        QVERIFY(lines.contains(u"esp %1: WTG you won"_s.arg(winners[i])));
    }
    QCOMPARE(matching(lines, u"^say: Drawing the winner..$"_s).size(), 3);
    QCOMPARE(program.lists().lstAvatars.count(), 2);
    QCOMPARE(lines.mid(lines.size() - 5), (QStringList{u"say: There is 1 Placing this round"_s,
                                                       u"say: 1st Place Prize number 1"_s,
                                                       u"say: 2nd Place Prize number 2"_s,
                                                       u"say: 3rd Place Prize number 3"_s, u"say: Round 4 of 10"_s}));
    // Every room line reached the room's transcript as the host's.
    for (const QJsonObject &call : live.callsSinceMark())
        QCOMPARE(call.value(u"status").toString(), u"0"_s);
}

void Evenings::aListerEvening()
{
    LiveProgram live;
    QVERIFY(live.start({u"--bots"_s, u"4"_s}));
    Program &program = *live.program;
    PlayerLists &lists = program.lists();
    live.click("mnuLister");
    // Let the look-up know the room: an earlier read gives the Lister's Start a host.
    program.link().fetchTranscript(2000);
    QVERIFY(live.room.command("say Host: Corvane's Hoster"));
    program.link().fetchTranscript(2000);

    live.mark();
    live.click("Command8"); // Start
    QCOMPARE(program.intake().txtHost(), u"Host"_s);
    QVERIFY(live.takeIn("Command9", 4));
    const QStringList arrivals = lists.List3.names();
    live.click("Command11"); // Say List
    live.click("Command12"); // Say Next
    for (int i = 0; i < 3; ++i)
        live.click("Command7"); // Call Next
    QCOMPARE(lists.List3.names(), arrivals.mid(3));
    QStringList called = arrivals.mid(0, 3);
    called.sort(Qt::CaseInsensitive);
    QCOMPARE(lists.List4.names(), called);

    lists.List4.setSelected(1);
    live.click("mnuBlue1");
    live.click("Command22"); // Say colors
    live.ui().Option2->setChecked(true);
    live.click("Command8"); // Start again, Reset List

    const QStringList lines = live.linesSinceMark();
    QVERIFY(lines.contains(u"say: Please send me Host a $ to get on the list"_s));
    const qsizetype list = lines.indexOf(u"say: thay are currenly 4 players on the list"_s);
    QVERIFY(list > 0);
    QCOMPARE(lines.mid(list + 1, 5), QStringList(arrivals).replaceInStrings(QRegularExpression(u"^"_s), u"say: "_s)
                                         << u"say: *** End of List ***"_s);
    QVERIFY(lines.contains(u"esp %1: Your are next on the list"_s.arg(arrivals[0])));
    QVERIFY(lines.contains(u"say: %1 Your are next"_s.arg(arrivals[0])));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(lines.contains(u"esp %1: Please come down you are next"_s.arg(arrivals[i])));
        QVERIFY(lines.contains(u"say: %1 Please come down you are next"_s.arg(arrivals[i])));
    }
    QVERIFY(lines.contains(u"say: %1 = Blue"_s.arg(called[1])));
    const qsizetype colours = lines.indexOf(u"say: Colors remaning are"_s);
    QCOMPARE(lines.mid(colours + 1, 7), (QStringList{u"say: Red"_s, u"say: %1 = Blue"_s.arg(called[1]), u"say: Green"_s,
                                                    u"say: Silver"_s, u"say: Black"_s, u"say: Gold"_s,
                                                    u"say: Please chose a color"_s}));
    QCOMPARE(lines.last(), u"say: all name have been restored no need to Register"_s);
    QCOMPARE(lists.List3.names(), arrivals.mid(3) + called);
    QVERIFY(lists.List4.isEmpty());
    QCOMPARE(program.colours().holder(ColourCaller::Blue), called[1]); // Reset List keeps the colours
}
