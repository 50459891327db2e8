#include "roomlinktest.h"

#include "chat/chatlink.h"
#include "chat/clock.h"
#include "roomprocess.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// The link of one program session with the room, closed at the end.
struct Session
{
    SystemClock clock;
    ChatLink link{clock};

    explicit Session(const RoomProcess &room) { qputenv("WADAPI_ROOM", room.socketName().toUtf8()); }
    ~Session() { link.KillDDE(); }
};

QStringList statusesOf(const QList<QJsonObject> &entries)
{
    QStringList statuses;
    for (const QJsonObject &entry : entries)
        statuses.append(entry.value(u"status").toString());
    return statuses;
}

} // namespace

void RoomLinkTest::carriesLinesBothWays_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("say") << QStringLiteral("Host") << 0 << QStringLiteral("Belmor") << QStringLiteral("hello")
                         << QStringLiteral("Host: hello");
    QTest::newRow("say in the code page")
        << QString::fromUtf8("Corvane") << 0 << QStringLiteral("Belmor") << QString::fromUtf8("Zoë € wins")
        << QString::fromUtf8("Corvane: Zoë € wins");
    QTest::newRow("esp") << QStringLiteral("Host") << 2 << QString::fromUtf8("Zoë") << QStringLiteral("Your Registration Has Been recived")
                         << QString::fromUtf8("ESP to Zoë: Your Registration Has Been recived");
    QTest::newRow("line breaks stay in one line")
        << QStringLiteral("Host") << 0 << QString() << QStringLiteral("one\r\ntwo") << QStringLiteral("Host: one  two");
}

void RoomLinkTest::carriesLinesBothWays()
{
    QFETCH(QString, host);
    QFETCH(int, mode);
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, line);

    RoomProcess room;
    QVERIFY(room.start({QStringLiteral("--host"), host}));
    QVERIFY(room.command("say Bob: hi\nesp Zoë: $\nline <system>: Welcome to Zoë's €5 room"));
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);
    session.link.Communicate(mode, target, text);
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("0"));
    QVERIFY(session.link.fetchTranscript(5000));
    QCOMPARE(session.link.Transcript(),
             QString::fromUtf8("Bob: hi\r\nESP from Zoë: $\r\n<system>: Welcome to Zoë's €5 room\r\n") + line);

    const auto calls = room.log(QStringLiteral("DapiCommunicate"));
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].value(u"app").toString(), QStringLiteral("test_room"));
    QCOMPARE(calls[0].value(u"mode").toInt(), mode);
    QCOMPARE(calls[0].value(u"target").toString(), target);
    QCOMPARE(calls[0].value(u"text").toString(), text);
    QCOMPARE(calls[0].value(u"status").toString(), QStringLiteral("0"));
    QCOMPARE(room.log(QStringLiteral("InitDDE")).size(), 1);
    QCOMPARE(room.errors(), QByteArray());
    // The room ends cleanly (and, in a sanitized build, without leaks).
    QVERIFY(room.quit());
}

void RoomLinkTest::answersWithInjectedStatuses_data()
{
    QTest::addColumn<QByteArray>("commands");
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<int>("registrations");
    QTest::addColumn<bool>("said");

    QTest::newRow("busy twice, then done") << QByteArray("status 6 2\nstatus 0")
                                           << QStringList{u"6"_s, u"6"_s, u"0"_s} << 0 << true;
    QTest::newRow("not registered") << QByteArray("status 10") << QStringList{u"10"_s, u"0"_s} << 1 << true;
    QTest::newRow("failed") << QByteArray("status -1") << QStringList{u"-1"_s} << 0 << false;
    QTest::newRow("empty status is done") << QByteArray("status \"\"") << QStringList{QString()} << 0 << true;
    QTest::newRow("unknown status is retried") << QByteArray("status 42") << QStringList{u"42"_s, u"0"_s} << 0 << true;
    QTest::newRow("busy beyond the link's patience")
        << QByteArray("status 6 60") << QStringList(ChatLink::kMaxAttempts, QStringLiteral("6")) << 0 << false;
}

void RoomLinkTest::answersWithInjectedStatuses()
{
    QFETCH(QByteArray, commands);
    QFETCH(QStringList, statuses);
    QFETCH(int, registrations);
    QFETCH(bool, said);

    RoomProcess room;
    QVERIFY(room.start());
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);
    QVERIFY(room.command(commands));
    session.link.SayText(QStringLiteral("round one"));

    const auto calls = room.log(QStringLiteral("DapiCommunicate"));
    QCOMPARE(statusesOf(calls), statuses);
    for (const QJsonObject &call : calls)
        QCOMPARE(call.value(u"text").toString(), QStringLiteral("round one"));
    QCOMPARE(room.log(QStringLiteral("DapiRegister")).size(), registrations);
    QVERIFY(session.link.fetchTranscript(5000) || !said);
    QCOMPARE(session.link.Transcript(), said ? QStringLiteral("Host: round one") : QString());
}

void RoomLinkTest::injectedStatusHoldsBackTheTranscript()
{
    RoomProcess room;
    QVERIFY(room.start());
    QVERIFY(room.command("say Bob: hi\nstatus 6\nstatus -1"));
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);
    // Busy is retried; the failure ends the read without a text.
    QVERIFY(!session.link.fetchTranscript(300));
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("-1"));
    QCOMPARE(statusesOf(room.log(QStringLiteral("DapiGetAllText"))), (QStringList{u"6"_s, u"-1"_s}));
    QVERIFY(session.link.fetchTranscript(5000));
    QCOMPARE(session.link.Transcript(), QStringLiteral("Bob: hi"));
}

void RoomLinkTest::deliversALateTranscriptFromTheEventLoop_data()
{
    QTest::addColumn<QByteArray>("late");
    QTest::newRow("right after the answer") << QByteArray("late 0");
    QTest::newRow("300 ms after") << QByteArray("late 300");
}

void RoomLinkTest::deliversALateTranscriptFromTheEventLoop()
{
    QFETCH(QByteArray, late);
    RoomProcess room;
    QVERIFY(room.start());
    QVERIFY(room.command("say Bob: hi\n" + late));
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);

    session.link.setTranscript({});
    session.link.ReadTranscript();
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("0"));
    QCOMPARE(session.link.Transcript(), QString()); // not inside the call
    QTRY_COMPARE_WITH_TIMEOUT(session.link.Transcript(), QStringLiteral("Bob: hi"), 5000);

    // Only the next transcript was late; the one after comes inside the call.
    session.link.setTranscript({});
    session.link.ReadTranscript();
    QCOMPARE(session.link.Transcript(), QStringLiteral("Bob: hi"));

    QVERIFY(room.command("late 200\nsay Ann: late too"));
    QVERIFY(session.link.fetchTranscript(5000));
    QCOMPARE(session.link.Transcript(), QStringLiteral("Bob: hi\r\nAnn: late too"));
}

void RoomLinkTest::failsQuietlyWhenTheRoomDies()
{
    const QString name = RoomProcess::uniqueSocketName();
    auto room = std::make_unique<RoomProcess>();
    QVERIFY(room->start({}, name));
    Session session(*room);
    QCOMPARE(session.link.InitDDE(), 0);
    session.link.SayText(QStringLiteral("before"));
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("0"));

    // Killed outright: its socket file stays behind.
    room->process().kill();
    QVERIFY(room->process().waitForFinished(5000));
    QElapsedTimer elapsed;
    elapsed.start();
    session.link.SayText(QStringLiteral("into the void"));
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("-1"));
    session.link.setTranscript(QStringLiteral("old"));
    session.link.ReadTranscript();
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("-1"));
    QCOMPARE(session.link.Transcript(), QStringLiteral("old"));
    QVERIFY2(elapsed.elapsed() < 2000, "calls to a dead room must fail at once");

    // A new room on the same name takes over the stale socket and serves again.
    room = std::make_unique<RoomProcess>();
    QVERIFY(room->start({}, name));
    session.link.SayText(QStringLiteral("back again"));
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("0"));
    QVERIFY(session.link.fetchTranscript(5000));
    QCOMPARE(session.link.Transcript(), QStringLiteral("Host: back again"));
}

void RoomLinkTest::failsWhenTheRoomIsStuck()
{
    RoomProcess room;
    QVERIFY(room.start());
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);
    const auto pid = static_cast<pid_t>(room.process().processId());
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    session.link.SayText(QStringLiteral("nobody listens"));
    const qint64 waited = elapsed.elapsed();
    ::kill(pid, SIGCONT);
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("-1"));
    QVERIFY2(waited < 10000, "a stuck room must not hold the program");

    // The room wakes up: the next call works on a fresh connection.
    session.link.SayText(QStringLiteral("awake"));
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("0"));
}

void RoomLinkTest::refusesToStartWithoutARoom()
{
    SystemClock clock;
    ChatLink link(clock);
    qputenv("WADAPI_ROOM", RoomProcess::uniqueSocketName().toUtf8());
    QVERIFY(link.InitDDE() != 0);
    QCOMPARE(link.LinkStatus(), QStringLiteral("-1"));

    // Something listens there but never answers the hello.
    QLocalServer silent;
    QVERIFY(silent.listen(RoomProcess::uniqueSocketName()));
    qputenv("WADAPI_ROOM", silent.serverName().toUtf8());
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(link.InitDDE() != 0);
    QVERIFY2(elapsed.elapsed() < 10000, "the hello must be bounded");
}

void RoomLinkTest::botsAnswerTheInvitation()
{
    RoomProcess room;
    QVERIFY(room.start({QStringLiteral("--bots"), QStringLiteral("2"), QStringLiteral("--host"),
                        QStringLiteral("Corvane")}));
    QVERIFY(room.command("bots 4"));
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);
    session.link.SayText(QStringLiteral("Please send me Corvane a # to get on the list"));

    QStringList registrations;
    const auto readRegistrations = [&] {
        registrations.clear();
        if (session.link.fetchTranscript(1000)) {
            for (const QString &line : session.link.Transcript().split(QStringLiteral("\r\n"))) {
                if (line.startsWith(u"ESP from "))
                    registrations.append(line);
            }
        }
        return registrations.size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(readRegistrations() >= 4, 10000);
    QCOMPARE(registrations.size(), 4);
    registrations.removeDuplicates();
    QCOMPARE(registrations.size(), 4);
    for (const QString &line : registrations)
        QVERIFY2(line.endsWith(u": #"), qPrintable(line));
}

void RoomLinkTest::secondRoomLeavesTheLiveOneAlone()
{
    RoomProcess first;
    QVERIFY(first.start());
    RoomProcess second;
    QVERIFY(!second.start({}, first.socketName()));
    QVERIFY(second.process().state() == QProcess::NotRunning || second.process().waitForFinished(5000));
    QCOMPARE(second.process().exitCode(), 1);
    QVERIFY(second.errors().contains("already listens"));

    Session session(first);
    QCOMPARE(session.link.InitDDE(), 0);
    session.link.SayText(QStringLiteral("still here"));
    QCOMPARE(session.link.LinkStatus(), QStringLiteral("0"));
}

void RoomLinkTest::startsWithATranscriptFile()
{
    RoomProcess room;
    QFile file(room.filePath(QStringLiteral("start.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<system>: Welcome\nZo\xEB: hi \x80\r\nESP from Bob: $\n");
    file.close();
    QVERIFY(room.start({QStringLiteral("--transcript"), file.fileName()}));
    Session session(room);
    QCOMPARE(session.link.InitDDE(), 0);
    QVERIFY(session.link.fetchTranscript(5000));
    QCOMPARE(session.link.Transcript(), QString::fromUtf8("<system>: Welcome\r\nZoë: hi €\r\nESP from Bob: $"));
}

void RoomLinkTest::refusesBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("bots not a number") << QStringList{u"--bots"_s, u"many"_s};
    QTest::newRow("too many bots") << QStringList{u"--bots"_s, u"101"_s};
    QTest::newRow("empty host") << QStringList{u"--host"_s, QString()};
    QTest::newRow("host with a colon") << QStringList{u"--host"_s, u"A: B"_s};
    QTest::newRow("host outside the code page") << QStringList{u"--host"_s, QString::fromUtf8("日本")};
    QTest::newRow("missing transcript") << QStringList{u"--transcript"_s, u"/no/such/file.txt"_s};
    QTest::newRow("log that cannot be written") << QStringList{u"--log"_s, u"/no/such/dir/calls.log"_s};
    QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s};
    QTest::newRow("stray argument") << QStringList{u"extra"_s};
}

void RoomLinkTest::refusesBadOptions()
{
    QFETCH(QStringList, arguments);
    RoomProcess room;
    QVERIFY(!room.start(arguments));
    QVERIFY(room.process().state() == QProcess::NotRunning || room.process().waitForFinished(5000));
    QCOMPARE(room.process().exitCode(), 2);
    const QByteArray errors = room.errors();
    QCOMPARE(errors.count('\n'), 1);
    QVERIFY2(errors.startsWith("chatroom: "), errors.constData());
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
