#include "roomlinktest.h"

#include "chat/chatlink.h"
#include "chat/clock.h"
#include "roomprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// A room and the link of one program session with it, closed at the end.
struct Live
{
    RoomProcess room;
    SystemClock clock;
    ChatLink link{clock};

    ~Live() { link.KillDDE(); }
    bool start(const QStringList &options = {}, const QByteArray &commands = {})
    {
        if (!room.start(options) || (!commands.isEmpty() && !room.command(commands)))
            return false;
        qputenv("WADAPI_ROOM", room.socketName().toUtf8());
        return link.InitDDE() == 0;
    }
};

QStringList statusesOf(const QList<QJsonObject> &entries)
{
    QStringList statuses;
    for (const QJsonObject &entry : entries)
        statuses.append(entry.value(u"status").toString());
    return statuses;
}

} // namespace

void RoomLinkTest::carriesLinesBothWays()
{
    // A start-up transcript and a command line, both in the room's code
    // page, then the program's own say and ESP.
    Live live;
    QFile file(live.room.filePath(u"start.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<system>: Welcome\nZo\xEB: hi \x80\r\n");
    file.close();
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s, u"--transcript"_s, file.fileName()}, "esp Zoë: $"));
    live.link.SayText(u"Zoë € wins"_s);
    live.link.EspText(u"Zoë"_s, u"one\r\ntwo"_s);
    QCOMPARE(live.link.LinkStatus(), u"0"_s);
    QVERIFY(live.link.fetchTranscript(5000));
    QCOMPARE(live.link.Transcript(), u"<system>: Welcome\r\nZoë: hi €\r\nESP from Zoë: $\r\n"
                                     u"Corvane: Zoë € wins\r\nESP to Zoë: one  two"_s);
    QCOMPARE(live.room.log(u"DapiCommunicate"_s).last().value(u"app").toString(), u"test_room"_s);
    QCOMPARE(live.room.errors(), QByteArray());
    QVERIFY(live.room.quit()); // cleanly, and in a sanitized build without leaks
}

void RoomLinkTest::answersWithInjectedStatuses()
{
    // A say meets busy twice and "not registered", then goes through; a
    // failure drops the next one. A read is retried past busy, a failure
    // ends it without a text, and the next read works.
    Live live;
    QVERIFY(live.start({}, "status 6 2\nstatus 10"));
    live.link.SayText(u"said"_s);
    QVERIFY(live.room.command("status -1\nstatus \"\""));
    live.link.SayText(u"lost"_s);
    live.link.SayText(u"empty is done"_s);
    QCOMPARE(statusesOf(live.room.log(u"DapiCommunicate"_s)),
             (QStringList{u"6"_s, u"6"_s, u"10"_s, u"0"_s, u"-1"_s, QString()}));
    QCOMPARE(live.room.log(u"DapiRegister"_s).size(), 1);

    QVERIFY(live.room.command("status 6\nstatus -1"));
    QVERIFY(!live.link.fetchTranscript(300));
    QCOMPARE(live.link.LinkStatus(), u"-1"_s);
    QCOMPARE(statusesOf(live.room.log(u"DapiGetAllText"_s)), (QStringList{u"6"_s, u"-1"_s}));
    QVERIFY(live.link.fetchTranscript(5000));
    QCOMPARE(live.link.Transcript(), u"Host: said\r\nHost: empty is done"_s);
}

void RoomLinkTest::deliversALateTranscriptFromTheEventLoop_data()
{
    QTest::addColumn<QByteArray>("late");
    QTest::newRow("right after the answer") << "late 0"_ba;
    QTest::newRow("300 ms after") << "late 300"_ba;
}

void RoomLinkTest::deliversALateTranscriptFromTheEventLoop()
{
    QFETCH(QByteArray, late);
    Live live;
    QVERIFY(live.start({}, "say Bob: hi\n" + late));
    live.link.ReadTranscript();
    QCOMPARE(live.link.LinkStatus(), u"0"_s);
    QCOMPARE(live.link.Transcript(), QString()); // not inside the call
    QTRY_COMPARE_WITH_TIMEOUT(live.link.Transcript(), u"Bob: hi"_s, 5000);
    // Only that transcript was late; the next one comes inside the call.
    live.link.setTranscript({});
    live.link.ReadTranscript();
    QCOMPARE(live.link.Transcript(), u"Bob: hi"_s);
}

void RoomLinkTest::failsQuietlyWhenTheRoomDiesOrHangs_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<qint64>("boundMs");
    // Killed outright, the room leaves its socket file behind; stopped, it
    // keeps the connection open without a word.
    QTest::newRow("killed") << int(SIGKILL) << qint64(2000);
    QTest::newRow("stuck") << int(SIGSTOP) << qint64(10000);
}

void RoomLinkTest::failsQuietlyWhenTheRoomDiesOrHangs()
{
    QFETCH(int, signal);
    QFETCH(qint64, boundMs);
    Live live;
    QVERIFY(live.start());
    const auto pid = static_cast<pid_t>(live.room.process().processId());
    QCOMPARE(::kill(pid, signal), 0);
    QVERIFY(signal != SIGKILL || live.room.process().waitForFinished(5000));

    QElapsedTimer elapsed;
    elapsed.start();
    live.link.SayText(u"into the void"_s);
    QCOMPARE(live.link.LinkStatus(), u"-1"_s);
    live.link.setTranscript(u"old"_s);
    live.link.ReadTranscript();
    const qint64 waited = elapsed.elapsed();
    QCOMPARE(live.link.LinkStatus(), u"-1"_s);
    QCOMPARE(live.link.Transcript(), u"old"_s);
    QVERIFY2(waited < boundMs, "a dead or stuck room must not hold the program");

    // The room wakes up, or a new one takes over the stale socket: calls work again.
    RoomProcess again;
    QVERIFY(signal == SIGKILL ? again.start({}, live.room.socketName()) : ::kill(pid, SIGCONT) == 0);
    live.link.SayText(u"back again"_s);
    QCOMPARE(live.link.LinkStatus(), u"0"_s);
}

void RoomLinkTest::refusesToStartWithoutARoom()
{
    SystemClock clock;
    ChatLink link(clock);
    qputenv("WADAPI_ROOM", RoomProcess::uniqueSocketName().toUtf8());
    QVERIFY(link.InitDDE() != 0);
    QCOMPARE(link.LinkStatus(), u"-1"_s);
}

void RoomLinkTest::secondRoomLeavesTheLiveOneAlone()
{
    Live live;
    QVERIFY(live.start());
    RoomProcess second;
    QVERIFY(!second.start({}, live.room.socketName()));
    QVERIFY(second.process().waitForFinished(5000) || second.process().state() == QProcess::NotRunning);
    QCOMPARE(second.process().exitCode(), 1);
    QVERIFY(second.errors().contains("already listens"));
    live.link.SayText(u"still here"_s);
    QCOMPARE(live.link.LinkStatus(), u"0"_s);
}

void RoomLinkTest::refusesBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("bots not a number") << QStringList{u"--bots"_s, u"many"_s};
    QTest::newRow("too many bots") << QStringList{u"--bots"_s, u"101"_s};
    QTest::newRow("empty host") << QStringList{u"--host"_s, QString()};
    QTest::newRow("host with a colon") << QStringList{u"--host"_s, u"A: B"_s};
    QTest::newRow("host outside the code page") << QStringList{u"--host"_s, u"日本"_s};
    QTest::newRow("missing transcript") << QStringList{u"--transcript"_s, u"/no/such/file.txt"_s};
    QTest::newRow("log that cannot be written") << QStringList{u"--log"_s, u"/no/such/dir/calls.log"_s};
    QTest::newRow("stray argument") << QStringList{u"extra"_s};
}

void RoomLinkTest::refusesBadOptions()
{
    QFETCH(QStringList, arguments);
    RoomProcess room;
    QVERIFY(!room.start(arguments));
    QVERIFY(room.process().waitForFinished(5000) || room.process().state() == QProcess::NotRunning);
    QCOMPARE(room.process().exitCode(), 2);
    const QByteArray errors = room.errors();
    QVERIFY2(errors.startsWith("chatroom: ") && errors.count('\n') == 1, errors.constData());
}

void RoomLinkTest::headlessRoomEndsWithItsInput()
{
    RoomProcess room;
    QVERIFY(room.start());
    room.process().closeWriteChannel();
    QVERIFY(room.process().waitForFinished(10000));
    QCOMPARE(room.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(room.process().exitCode(), 0);
    // It took its socket away with it.
    QLocalSocket probe;
    probe.connectToServer(room.socketName());
    QVERIFY(!probe.waitForConnected(1000));
    QVERIFY(!QFile::exists(QDir::temp().filePath(room.socketName())));
}
