#include "evenings.h"

#include "core/recovery.h"
#include "liveprogram.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The games' exact texts are the games tests' job; these follow whole games
// through the real room library, the room and its bots.

namespace {

// The resident memory of this process in kB, from the kernel's account.
qint64 residentKb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

QStringList said(const QStringList &names)
{
    QStringList lines;
    for (const QString &name : names)
        lines << u"say: "_s + name;
    return lines;
}

} // namespace

void Evenings::registrationsSurviveARestart()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s}));
    live.press(u"Start");
    QCOMPARE(live.program->session().intake.host(), u"Corvane"_s);
    // Only ESPs holding the symbol register; the symbol said aloud does not.
    QVERIFY(live.room.command("esp Ann: $\nesp Bob:   $ please\nesp Eve: hello\nsay Zed: $"));
    live.press(u"Get Reg");
    const QStringList both{u"Ann"_s, u"Bob"_s};
    QCOMPARE(live.program->session().lists.players.names(), both);
    QCOMPARE(live.program->session().lists.queue.names(), both);

    // After a restart the recovery file brings them back, and the room hears of it.
    QVERIFY(live.restart());
    QVERIFY(live.program->session().lists.players.isEmpty());
    live.mark();
    live.press(u"Recover");
    QCOMPARE(live.program->session().lists.players.names(), both);
    QCOMPARE(live.program->session().lists.ledger.names(), both + QStringList{u"Corvane"_s});
    QCOMPARE(live.linesSinceMark(),
             (QStringList{u"say: *** Recovery in progress ***"_s, u"say: *** Recovery complete ***"_s}));
    live.stop();
    QCOMPARE(live.room.log(u"KillDDE"_s).size(), 2); // once for each session
}

void Evenings::aWholeRaffle()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s, u"--bots"_s, u"5"_s}));
    Program &program = *live.program;
    program.session().settings.setChecked(HostSettings::Check::SayPrizes, true); // winners get a prize and an ESP
    live.mark();
    live.press(u"Start");
    QVERIFY(live.takeIn(5));
    live.press(u"Closing");
    const QStringList players = program.session().lists.players.names();
    live.press(u"Say List");
    for (int draw = 0; draw < 3; ++draw)
        live.press(u"Draw");

    const QStringList lines = live.linesSinceMark();
    QVERIFY(lines.contains(u"say: Please send me Corvane a $ to get on the list"_s));
    const qsizetype list = lines.indexOf(u"say: There are currenly 5 players on the list"_s);
    QVERIFY(list > 0);
    QCOMPARE(lines.mid(list + 1, 5), said(players));
    const QStringList winners = program.session().lists.winners.names();
    QCOMPARE(winners.size(), 3);
    for (const QString &winner : winners) {
        QVERIFY(lines.contains(u"say: and the winner is "_s + winner));
        QVERIFY(lines.contains(u"esp %1: WTG you won"_s.arg(winner)));
    }
    QCOMPARE(program.session().lists.players.count(), 2);
    for (const QJsonObject &call : live.callsSinceMark())
        QCOMPARE(call.value(u"status").toString(), u"0"_s);
}

void Evenings::aListerEvening()
{
    LiveProgram live;
    QVERIFY(live.start({u"--bots"_s, u"4"_s}));
    Program &program = *live.program;
    PlayerLists &lists = program.session().lists;
    live.choose(u"Settings > Lister");
    // Let the look-up know the room: an earlier read gives the Lister's Start a host.
    program.session().link.fetchTranscript(2000);
    QVERIFY(live.room.command("say Host: Corvane's Hoster"));
    program.session().link.fetchTranscript(2000);

    live.mark();
    live.press(u"Start");
    QCOMPARE(program.session().intake.host(), u"Host"_s);
    QVERIFY(live.takeIn(4));
    const QStringList arrivals = lists.queue.names();
    live.press(u"Say List");
    for (int i = 0; i < 3; ++i)
        live.press(u"Call Next");
    QCOMPARE(lists.queue.names(), arrivals.mid(3));
    QStringList called = arrivals.mid(0, 3);
    called.sort(Qt::CaseInsensitive);
    QCOMPARE(lists.called.names(), called);

    const QStringList lines = live.linesSinceMark();
    QVERIFY(lines.contains(u"say: Please send me Host a $ to get on the list"_s));
    const qsizetype list = lines.indexOf(u"say: thay are currenly 4 players on the list"_s);
    QVERIFY(list > 0);
    QCOMPARE(lines.mid(list + 1, 5), said(arrivals) << u"say: *** End of List ***"_s);
    for (int i = 0; i < 3; ++i)
        QVERIFY(lines.contains(u"esp %1: Please come down you are next"_s.arg(arrivals[i])));

    // A colour to a called player, then the colours caller says them all.
    lists.called.setSelected(0);
    live.chooseOver(u"Winners", u"Color > Red");
    live.press(u"Colors Caller");
    live.mark();
    live.press(u"Say colors");
    const QStringList colours = live.linesSinceMark();
    QCOMPARE(colours.size(), 8);
    QCOMPARE(colours.first(), u"say: Colors remaning are"_s);
    QVERIFY(colours.contains(u"say: "_s + called.first() + u" = Red"_s));
}

void Evenings::everyListEndsAsTheScriptExpects()
{
    // Registrations, draws, Lister calls and macro clicks; ten times as many
    // of each in the soak run.
    const int scale = qEnvironmentVariableIntValue("RAFFLER_SOAK") != 0 ? 10 : 1;
    const int registrations = 200 * scale, draws = 50 * scale, calls = 30 * scale, macroClicks = 20 * scale;

    LiveProgram live;
    QVERIFY(live.start());
    Program &program = *live.program;
    PlayerLists &lists = program.session().lists;
    program.session().settings.setChecked(HostSettings::Check::SayPrizes, true);
    program.session().settings.setChecked(HostSettings::Check::Confirmation, true); // confirmations too
    live.press(u"Start");
    QStringList players;
    for (int batch = 0; batch < registrations / 100; ++batch) {
        QByteArray esps;
        for (int i = 0; i < 100; ++i) {
            players << u"Player %1"_s.arg(batch * 100 + i, 4, 10, QChar(u'0'));
            esps += "esp " + players.last().toLatin1() + ": $\n";
        }
        QVERIFY(live.room.command(esps));
        live.press(u"Get Reg");
    }
    QCOMPARE(lists.queue.names(), players);
    QCOMPARE(lists.players.names(), players); // already in alphabetical order
    const qint64 warmedUp = residentKb();

    for (int i = 0; i < draws; ++i)
        live.press(u"Draw");
    QCOMPARE(lists.winners.count(), draws);
    QStringList everyone = lists.players.names() + lists.winners.names();
    everyone.sort();
    QCOMPARE(everyone, players);

    live.choose(u"Settings > Lister");
    for (int i = 0; i < calls; ++i)
        live.press(u"Call Next");
    QCOMPARE(lists.queue.names(), players.mid(calls));
    QCOMPARE(lists.called.names(), players.mid(0, calls));

    program.macros().setText(0, u"Good luck all\r\nHave fun"_s);
    live.mark();
    for (int i = 0; i < macroClicks; ++i)
        live.press(u"1");
    QCOMPARE(live.linesSinceMark().size(), 2 * macroClicks);
    const qint64 atEnd = residentKb();

    QCOMPARE(live.recoveryFile(), Recovery::format(lists));
    QVERIFY(program.session().input.isEnabled());
    qInfo("%d registrations, %d draws, %d calls, %d macro clicks: resident %lld kB after the registrations, "
          "%lld kB at the end",
          registrations, draws, calls, macroClicks, warmedUp, atEnd);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine; there the figures are only reported.
    QVERIFY2(atEnd - warmedUp < 16 * 1024, "memory kept growing after warm-up");
#endif
}
