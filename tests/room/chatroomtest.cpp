#include "chatroomtest.h"

#include "bots.h"
#include "calllog.h"
#include "commandinterpreter.h"
#include "roomservice.h"
#include "roomtranscript.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using Lines = QList<QByteArray>;

void ChatroomTest::carriesOutCommands_data()
{
    QTest::addColumn<Lines>("commands");
    QTest::addColumn<QByteArray>("transcript");
    QTest::addColumn<int>("failures");
    QTest::addColumn<Lines>("injected");
    QTest::addColumn<int>("late");
    QTest::addColumn<int>("bots");

    const QByteArray start = "Old: line";
    QTest::newRow("say, esp and line")
        << Lines{"say Bob: hello", "esp Zoë: $", "line <system>: Welcome", "say  Ann :  two  spaces"}
        << start + "\r\nBob: hello\r\nESP from Zo\xEB: $\r\n<system>: Welcome\r\nAnn:  two  spaces" << 0 << Lines{}
        << -1 << 0;
    QTest::newRow("code page") << Lines{"say Bob: 5€ – “quoted”"}
                               << start + "\r\nBob: 5\x80 \x96 \x93quoted\x94" << 0 << Lines{} << -1 << 0;
    QTest::newRow("clear, then more") << Lines{"clear", "line first", "line"} << QByteArray("first\r\n") << 0
                                      << Lines{} << -1 << 0;
    QTest::newRow("load") << Lines{"load @/transcript.txt"} << QByteArray("A: one\r\n\r\nESP from B: $") << 0
                          << Lines{} << -1 << 0;
    QTest::newRow("blank lines and comments") << Lines{"", "   ", "# say Bob: no", "say Bob: yes\r"}
                                              << start + "\r\nBob: yes" << 0 << Lines{} << -1 << 0;
    QTest::newRow("statuses") << Lines{"status 6 2", "status \"\"", "status 10 1", "status -1"} << start << 0
                              << Lines{"6", "6", "", "10", "-1"} << -1 << 0;
    QTest::newRow("late and bots") << Lines{"late 300", "bots 3", "late 0"} << start << 0 << Lines{} << 0 << 3;

    // Every bad line is refused whole and leaves the room as it was.
    QTest::newRow("refused") << Lines{"shout Bob: hi",
                                      "Say Bob: hi",
                                      "say Bob hi",
                                      "say : hi",
                                      "esp Bob",
                                      "say Bob: 日本",
                                      "line \xFF\xFE",
                                      QByteArray("line a\0b", 8),
                                      "load",
                                      "load @/no-such-file.txt",
                                      "load @/with-nul.txt",
                                      "load /dev/zero", // no size and no end
                                      "load @/",
                                      "clear now",
                                      "status",
                                      "status 6 0",
                                      "status 6 x",
                                      "status 6 1 2",
                                      "status 6 -1",
                                      "late",
                                      "late -5",
                                      "late 1e3",
                                      "late 600001",
                                      "bots many",
                                      "bots 101",
                                      "quit now"}
                             << start << 26 << Lines{} << -1 << 0;
}

void ChatroomTest::carriesOutCommands()
{
    QFETCH(Lines, commands);
    QFETCH(QByteArray, transcript);
    QFETCH(int, failures);
    QFETCH(Lines, injected);
    QFETCH(int, late);
    QFETCH(int, bots);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("transcript.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("A: one\n\r\nESP from B: $\n");
    file.close();
    QFile bad(dir.filePath(QStringLiteral("with-nul.txt")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("A: one\0\n", 8));
    bad.close();

    RoomTranscript room;
    room.replace("Old: line");
    RoomService service(room, "Host");
    Bots robots(room, "Host");
    CommandInterpreter interpreter(room, service, robots);
    int failed = 0;
    for (QByteArray command : commands) {
        command.replace("@/", (dir.path() + u'/').toUtf8());
        const QString error = interpreter.execute(command);
        failed += error.isEmpty() ? 0 : 1;
    }
    QCOMPARE(failed, failures);
    QCOMPARE(room.text(), transcript);
    QCOMPARE(service.injectedStatuses(), injected);
    QCOMPARE(service.late().value_or(-1), late);
    QCOMPARE(robots.count(), bots);
}

void ChatroomTest::answersCalls_data()
{
    QTest::addColumn<QByteArray>("injected");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("appended");

    QTest::newRow("say") << QByteArray() << 0 << QByteArray("Belmor") << QByteArray("Zo\xEB!") << QByteArray("0")
                         << QByteArray("Corvane: Zo\xEB!");
    QTest::newRow("esp") << QByteArray() << 2 << QByteArray("Bob") << QByteArray("hi") << QByteArray("0")
                         << QByteArray("ESP to Bob: hi");
    QTest::newRow("esp to nobody") << QByteArray() << 2 << QByteArray(" ") << QByteArray("hi") << QByteArray("-1")
                                   << QByteArray();
    QTest::newRow("unknown mode") << QByteArray() << 1 << QByteArray("Bob") << QByteArray("hi") << QByteArray("-1")
                                  << QByteArray();
    QTest::newRow("line break") << QByteArray() << 0 << QByteArray() << QByteArray("a\r\nb") << QByteArray("0")
                                << QByteArray("Corvane: a  b");
    QTest::newRow("busy") << QByteArray("6") << 0 << QByteArray() << QByteArray("hi") << QByteArray("6")
                          << QByteArray();
    QTest::newRow("not registered") << QByteArray("10") << 0 << QByteArray() << QByteArray("hi")
                                    << QByteArray("10") << QByteArray();
    QTest::newRow("empty status carries out") << QByteArray("\"\"") << 0 << QByteArray() << QByteArray("hi")
                                              << QByteArray("") << QByteArray("Corvane: hi");
    QTest::newRow("injected done carries out") << QByteArray("0") << 2 << QByteArray("Bob") << QByteArray("hi")
                                               << QByteArray("0") << QByteArray("ESP to Bob: hi");
    QTest::newRow("refusal wins over injected done") << QByteArray("0") << 7 << QByteArray("Bob")
                                                     << QByteArray("hi") << QByteArray("-1") << QByteArray();
}

void ChatroomTest::answersCalls()
{
    QFETCH(QByteArray, injected);
    QFETCH(int, mode);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, appended);

    QTemporaryDir dir;
    CallLog log;
    QString error;
    QVERIFY(log.open(dir.filePath(QStringLiteral("calls.log")), &error));
    RoomTranscript room;
    RoomService service(room, "Corvane", &log);
    if (!injected.isEmpty())
        service.injectStatus(injected == "\"\"" ? QByteArray() : injected, 1);
    QSignalSpy lines(&room, &RoomTranscript::lineAppended);

    RoomProtocol::Message call;
    call.kind = RoomProtocol::Kind::Communicate;
    call.app = "raffler";
    call.mode = static_cast<qint16>(mode);
    call.target = target;
    call.text = text;
    const auto reply = service.answer(call);
    QVERIFY(reply);
    QCOMPARE(reply->status, status);
    QCOMPARE(room.text(), appended);
    QCOMPARE(lines.size(), appended.isEmpty() ? 0 : 1);
    QVERIFY(service.injectedStatuses().isEmpty());

    // The log holds exactly the keys promised, texts decoded from the code page.
    QFile file(dir.filePath(QStringLiteral("calls.log")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = file.readAll().split('\n');
    QCOMPARE(entries.size(), 2); // one line and its line feed
    const QJsonObject entry = QJsonDocument::fromJson(entries[0]).object();
    QCOMPARE(entry.keys(), (QStringList{QStringLiteral("app"), QStringLiteral("call"), QStringLiteral("mode"),
                                        QStringLiteral("status"), QStringLiteral("target"), QStringLiteral("text")}));
    QCOMPARE(entry.value(u"call").toString(), QStringLiteral("DapiCommunicate"));
    QCOMPARE(entry.value(u"app").toString(), QStringLiteral("raffler"));
    QCOMPARE(entry.value(u"mode").toInt(), mode);
    QCOMPARE(entry.value(u"text").toString(), QString::fromLatin1(text));
    QCOMPARE(entry.value(u"status").toString(), QString::fromLatin1(status));

    // Calls without a text log nulls, not empty texts.
    call.kind = RoomProtocol::Kind::GetAllText;
    const auto textReply = service.answer(call);
    QVERIFY(textReply && textReply->text);
    QCOMPARE(*textReply->text, appended);
    file.seek(0);
    const QJsonObject read = QJsonDocument::fromJson(file.readAll().split('\n').value(1)).object();
    QCOMPARE(read.value(u"call").toString(), QStringLiteral("DapiGetAllText"));
    QVERIFY(read.value(u"mode").isNull() && read.value(u"target").isNull() && read.value(u"text").isNull());
}

void ChatroomTest::hearsTheInvitation_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("symbol");

    QTest::newRow("default symbol") << QByteArray("Corvane: Please send me Corvane a $ to get on the list")
                                    << QByteArray("$");
    QTest::newRow("longer symbol") << QByteArray("Corvane: Please send me Corvane a #go to get on the list")
                                   << QByteArray("#go");
    QTest::newRow("empty host name") << QByteArray("Corvane: Please send me  a $ to get on the list")
                                     << QByteArray("$");
    QTest::newRow("host name holding ' a '")
        << QByteArray("Corvane: Please send me Anna a Bell a $ to get on the list") << QByteArray("$");
    QTest::newRow("said by a player") << QByteArray("Bob: Please send me Corvane a $ to get on the list")
                                      << QByteArray();
    QTest::newRow("an ESP") << QByteArray("ESP from Corvane: Please send me Corvane a $ to get on the list")
                            << QByteArray();
    QTest::newRow("something else") << QByteArray("Corvane: Please send me money") << QByteArray();
    QTest::newRow("no symbol") << QByteArray("Corvane: Please send me Corvane a  to get on the list")
                               << QByteArray();
}

void ChatroomTest::hearsTheInvitation()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, symbol);
    QCOMPARE(Bots::invitedSymbol(line, "Corvane").value_or(QByteArray()), symbol);
}

void ChatroomTest::keepsTheNewestLinesWhenFull()
{
    RoomTranscript room;
    room.setMaxSize(64);
    for (int i = 0; i < 20; ++i)
        room.append("line " + QByteArray::number(i));
    QVERIFY(room.text().size() <= 64);
    QVERIFY(room.text().endsWith("\r\nline 19"));
    QVERIFY(room.text().startsWith("line "));
}
