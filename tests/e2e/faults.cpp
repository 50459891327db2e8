#include "core/recovery.h"
#include "evenings.h"
#include "liveprogram.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A game in progress: the host known, three players in.
void playersIn(LiveProgram &live)
{
    QVERIFY(live.room.command("say Host: Corvane's Hoster\nesp Ann: $\nesp Bob: $\nesp Cy: $"));
    live.program->session().intake.setHost(u"Host"_s);
    live.press(u"Get Reg");
    QCOMPARE(live.program->session().lists.players.count(), 3);
}

// The fault has passed: the program takes input again, and its next read
// takes in Dee, whose ESP came with the fault; the recovery file is whole.
void takesInDee(LiveProgram &live)
{
    QVERIFY(live.program->session().input.isEnabled());
    live.press(u"Get Reg");
    QCOMPARE(live.program->session().lists.players.count(), 4);
    QCOMPARE(live.recoveryFile(), Recovery::format(live.program->session().lists));
}

} // namespace

void Evenings::statusStorms_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("registrations"); // DapiRegister calls the storm causes

    // Each storm answers every attempt of two deliveries, then the room recovers.
    QTest::newRow("busy") << "6"_ba << 100 << 0;
    QTest::newRow("not registered") << "10"_ba << 100 << 2 * 50;
    QTest::newRow("failed") << "-1"_ba << 2 << 0;
}

void Evenings::statusStorms()
{
    QFETCH(QByteArray, status);
    QFETCH(int, count);
    QFETCH(int, registrations);

    LiveProgram live;
    QVERIFY(live.start());
    playersIn(live);
    const QByteArray before = live.recoveryFile();
    QVERIFY(live.room.command("esp Dee: $\nstatus " + status + ' ' + QByteArray::number(count)));
    live.mark();
    QElapsedTimer elapsed;
    elapsed.start();
    live.press(u"Call 4 Reg"); // two deliveries into the storm
    QVERIFY2(elapsed.elapsed() < 20000, "a storm must not hold the window");
    QCOMPARE(live.room.log(u"DapiRegister"_s).size(), registrations);
    QCOMPARE(live.callsSinceMark().size() - registrations, count);
    QCOMPARE(live.recoveryFile(), before);
    takesInDee(live);
}

void Evenings::transcriptsThatDoNotCome_data()
{
    QTest::addColumn<QByteArray>("fault");
    QTest::newRow("later than the wait") << "late 8000"_ba;
    QTest::newRow("no transcript at all") << "status -1 1"_ba;
}

void Evenings::transcriptsThatDoNotCome()
{
    QFETCH(QByteArray, fault);

    LiveProgram live;
    live.realTime = true; // the bound itself is on trial
    QVERIFY(live.start());
    playersIn(live);
    QVERIFY(live.room.command("esp Dee: $\n" + fault));
    QList<bool> enabled;
    connect(&live.program->session().input, &WindowInput::enabledChanged, [&enabled](bool on) { enabled << on; });
    QElapsedTimer elapsed;
    elapsed.start();
    live.press(u"Get Reg");
    QVERIFY(elapsed.elapsed() < RegistrationIntake::kTranscriptWaitMs + 3000);
    QCOMPARE(enabled, (QList<bool>{false, true}));
    QCOMPARE(live.program->session().lists.players.count(), 3); // nothing scanned
    takesInDee(live);
}

void Evenings::theRoomDiesInTheMiddleOfADrawAndComesBack()
{
    LiveProgram live;
    QVERIFY(live.start());
    playersIn(live);
    Program &program = *live.program;
    program.session().settings.setItem(HostSettings::Delay, u"1"_s);
    program.session().settings.setChecked(HostSettings::Check::SayPrizes, true);

    // The room is killed during the draw's first pause.
    QTimer::singleShot(0, program.window().ui().client, [&live] {
        live.room.process().kill();
        live.room.process().waitForFinished(5000);
    });
    QElapsedTimer elapsed;
    elapsed.start();
    live.press(u"Draw");
    QVERIFY2(elapsed.elapsed() < 20000, "a dead room must not hold the window");
    QVERIFY(program.session().input.isEnabled());
    QCOMPARE(program.session().lists.players.count(), 2);
    QCOMPARE(program.session().lists.winners.count(), 1);
    QCOMPARE(live.recoveryFile(), Recovery::format(program.session().lists));

    // A room comes back on the same name: the program speaks to it again.
    RoomProcess again;
    QVERIFY(again.start({}, live.room.socketName()));
    live.press(u"Say List");
    const auto said = again.log(u"DapiCommunicate"_s);
    QVERIFY(!said.isEmpty());
    QCOMPARE(said.first().value(u"text").toString(), u"There are currenly 2 players on the list"_s);
}
