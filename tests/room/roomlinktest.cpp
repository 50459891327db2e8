#include "roomlinktest.h"

#include "chat/chatlink.h"
#include "chat/clock.h"
#include "roomprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#ifndef Q_OS_WIN
#include <csignal>
#endif

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

// The real program, started on the offscreen platform against a socket
// name. It has no window there, so on Windows a termination request reaches
// it only as a WM_CLOSE to its thread.
bool startRaffler(QProcess &raffler, const QString &socketName)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"WADAPI_ROOM"_s, socketName);
    raffler.setProcessEnvironment(environment);
    raffler.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    raffler.start(QStringLiteral(RAFFLER_PATH), {});
    return raffler.waitForStarted(10000);
}

// A room that stops answering: killed outright, it leaves its socket file
// behind; stopped, it keeps the connection open without a word.
enum class Failure { Killed, Stuck };

} // namespace

void RoomLinkTest::carriesLinesAndStatusesBothWays()
{
    // A start-up transcript and a command line, both in the room's code
    // page, then the program's own say (busy once) and ESP.
    Live live;
    QFile file(live.room.filePath(u"start.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<system>: Welcome\nZo\xEB: hi \x80\r\n");
    file.close();
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s, u"--transcript"_s, file.fileName()}, "esp Zoë: $\nstatus 6"));
    live.link.SayText(u"Zoë € wins"_s);
    live.link.EspText(u"Zoë"_s, u"one\r\ntwo"_s);
    QCOMPARE(live.link.LinkStatus(), u"0"_s);
    QCOMPARE(statusesOf(live.room.log(u"DapiCommunicate"_s)), (QStringList{u"6"_s, u"0"_s, u"0"_s}));

    // Each status reaches the link before its call returns: a busy read is
    // retried, a failure ends it without a text, and the next read works.
    QVERIFY(live.room.command("status 6\nstatus -1"));
    QVERIFY(!live.link.fetchTranscript(300));
    QCOMPARE(live.link.LinkStatus(), u"-1"_s);
    QCOMPARE(statusesOf(live.room.log(u"DapiGetAllText"_s)), (QStringList{u"6"_s, u"-1"_s}));
    // The library hands the transcript on with bytes after it; they do not show.
    QVERIFY(live.link.fetchTranscript(5000));
    QCOMPARE(live.link.Transcript(),
             u"<system>: Welcome\r\nZoë: hi €\r\nESP from Zoë: $\r\n"
             u"Corvane: Zoë € wins\r\nESP to Zoë: one  two"_s);
    // The call log's layout, which hosts and scripts read.
    const QJsonObject esp{{u"call"_s, u"DapiCommunicate"_s}, {u"app"_s, u"test_room"_s},   {u"mode"_s, 2},
                          {u"target"_s, u"Zoë"_s},           {u"text"_s, u"one\r\ntwo"_s}, {u"status"_s, u"0"_s}};
    QCOMPARE(live.room.log(u"DapiCommunicate"_s).last(), esp);
    QCOMPARE(live.room.errors(), QByteArray());
    QVERIFY(live.room.quit()); // cleanly, and in a sanitized build without leaks
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
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<qint64>("boundMs");
    QTest::newRow("killed") << Failure::Killed << qint64(2000);
#ifndef Q_OS_WIN
    QTest::newRow("stuck") << Failure::Stuck << qint64(10000);
#endif
}

void RoomLinkTest::failsQuietlyWhenTheRoomDiesOrHangs()
{
    QFETCH(Failure, failure);
    QFETCH(qint64, boundMs);
    Live live;
    QVERIFY(live.start());
    if (failure == Failure::Killed) {
        live.room.process().kill();
        QVERIFY(live.room.process().waitForFinished(5000));
    }
#ifndef Q_OS_WIN
    const auto pid = static_cast<pid_t>(live.room.process().processId());
    if (failure == Failure::Stuck)
        QCOMPARE(::kill(pid, SIGSTOP), 0);
#endif

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
#ifndef Q_OS_WIN
    if (failure == Failure::Stuck)
        QCOMPARE(::kill(pid, SIGCONT), 0);
#endif
    if (failure == Failure::Killed)
        QVERIFY(again.start({}, live.room.socketName()));
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

void RoomLinkTest::programClosesTheLinkOnTermination()
{
    RoomProcess room;
    QVERIFY(room.start());
    QProcess raffler;
    QVERIFY(startRaffler(raffler, room.socketName()));
    QTRY_COMPARE_WITH_TIMEOUT(room.log(u"InitDDE"_s).size(), 1, 20000);
    QCOMPARE(room.log(u"InitDDE"_s).first().value(u"app").toString(), u"raffler"_s);
    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QCOMPARE(raffler.exitCode(), 0);
    QCOMPARE(room.log(u"KillDDE"_s).size(), 1);
}

void RoomLinkTest::programDoesNotStartWithoutARoom()
{
    // Something listens but never answers: the program gives up on it.
    QLocalServer silent;
    QVERIFY(silent.listen(RoomProcess::uniqueSocketName()));
    QProcess raffler;
    QVERIFY(startRaffler(raffler, silent.serverName()));
    QVERIFY(silent.waitForNewConnection(20000));
    QLocalSocket *link = silent.nextPendingConnection();
    QSignalSpy gone(link, &QLocalSocket::disconnected);
    QVERIFY(link->state() != QLocalSocket::ConnectedState || gone.wait(20000));

    // Its error box is modal and nobody can click it away on the offscreen
    // platform; a termination request there ends the program with a failure.
    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QVERIFY(raffler.exitCode() != 0);
}
