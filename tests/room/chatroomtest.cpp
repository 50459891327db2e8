#include "chatroomtest.h"

#include "bots.h"
#include "calllog.h"
#include "commandinterpreter.h"
#include "roomservice.h"
#include "roomtranscript.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Lines = QList<QByteArray>;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void ChatroomTest::carriesOutCommands_data()
{
    QTest::addColumn<Lines>("commands");
    QTest::addColumn<QByteArray>("transcript");
    QTest::addColumn<int>("failures");
    QTest::addColumn<Lines>("injected");
    QTest::addColumn<int>("late");
    QTest::addColumn<int>("bots");
    const auto row = [](const char *name, const Lines &commands, const QByteArray &transcript, int failures = 0,
                        const Lines &injected = {}, int late = -1, int bots = 0) {
        QTest::newRow(name) << commands << transcript << failures << injected << late << bots;
    };

    // "@/" stands for a folder holding two files.
    const QByteArray start = "Old: line";
    row("say, esp and line in the code page",
        {"say Bob: hello", "esp Zoë: $", "line <system>: Welcome", "say  Ann :  two  spaces", "say Bob: 5€ – “q”"},
        start + "\r\nBob: hello\r\nESP from Zo\xEB: $\r\n<system>: Welcome\r\nAnn:  two  spaces\r\n"
        "Bob: 5\x80 \x96 \x93q\x94"_ba);
    row("clear, then more", {"clear", "line first", "line"}, "first\r\n"_ba);
    row("load", {"load @/transcript.txt"}, "A: one\r\n\r\nESP from B: $"_ba);
    row("blank lines and comments", {"", "   ", "# say Bob: no", "say Bob: yes\r"}, start + "\r\nBob: yes");
    row("statuses", {"status 6 2", "status \"\"", "status 10 1", "status -1"}, start, 0,
        {"6", "6", "", "10", "-1"});
    row("late and bots", {"late 300", "bots 3", "late 0"}, start, 0, {}, 0, 3);

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
    QVERIFY(writeFile(dir.filePath(u"transcript.txt"_s), "A: one\n\r\nESP from B: $\n"_ba));
    QVERIFY(writeFile(dir.filePath(u"with-nul.txt"_s), "A: one\0\n"_ba));
    RoomTranscript room;
    room.replace("Old: line");
    RoomService service(room, "Host");
    Bots robots(room, "Host");
    CommandInterpreter interpreter(room, service, robots);
    int failed = 0;
    for (QByteArray command : commands)
        failed += interpreter.execute(command.replace("@/", (dir.path() + u'/').toUtf8())).isEmpty() ? 0 : 1;
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

    QTest::newRow("say") << ""_ba << 0 << "Belmor"_ba << "Zo\xEB!"_ba << "0"_ba << "Corvane: Zo\xEB!"_ba;
    QTest::newRow("esp to nobody") << ""_ba << 2 << " "_ba << "hi"_ba << "-1"_ba << ""_ba;
    QTest::newRow("busy") << "6"_ba << 0 << ""_ba << "hi"_ba << "6"_ba << ""_ba;
    QTest::newRow("empty status carries out") << "\"\""_ba << 0 << ""_ba << "hi"_ba << ""_ba << "Corvane: hi"_ba;
    QTest::newRow("refusal wins over injected done") << "0"_ba << 7 << "Bob"_ba << "hi"_ba << "-1"_ba << ""_ba;
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
    QVERIFY(log.open(dir.filePath(u"calls.log"_s), &error));
    RoomTranscript room;
    RoomService service(room, "Corvane", &log);
    if (!injected.isEmpty())
        service.injectStatus(injected == "\"\"" ? QByteArray() : injected, 1);

    RoomProtocol::Message call{.kind = RoomProtocol::Kind::Communicate, .flags = 0, .id = 1, .mode = qint16(mode),
                               .app = "raffler"_ba, .target = target, .text = text, .status = {}};
    QCOMPARE(service.answer(call).value().status, status);
    QCOMPARE(room.text(), appended);
    QVERIFY(service.injectedStatuses().isEmpty());
    // A call without a text reads the transcript and logs nulls, not empty texts.
    call.kind = RoomProtocol::Kind::GetAllText;
    QCOMPARE(service.answer(call).value().text.value_or("<none>"_ba), appended);

    // One JSON object a line, texts decoded from the code page.
    QFile file(dir.filePath(u"calls.log"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = file.readAll().split('\n');
    QCOMPARE(entries.size(), 3); // two lines and the last line feed
    QCOMPARE(QJsonDocument::fromJson(entries[0]).object(),
             (QJsonObject{{u"call"_s, u"DapiCommunicate"_s}, {u"app"_s, u"raffler"_s}, {u"mode"_s, mode},
                          {u"target"_s, QString::fromLatin1(target)}, {u"text"_s, QString::fromLatin1(text)},
                          {u"status"_s, QString::fromLatin1(status)}}));
    QCOMPARE(QJsonDocument::fromJson(entries[1]).object(),
             (QJsonObject{{u"call"_s, u"DapiGetAllText"_s}, {u"app"_s, u"raffler"_s}, {u"mode"_s, QJsonValue()},
                          {u"target"_s, QJsonValue()}, {u"text"_s, QJsonValue()}, {u"status"_s, u"0"_s}}));
}

void ChatroomTest::hearsTheInvitation_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("symbol");

    QTest::newRow("default symbol") << "Corvane: Please send me Corvane a $ to get on the list"_ba << "$"_ba;
    QTest::newRow("longer symbol") << "Corvane: Please send me Corvane a #go to get on the list"_ba << "#go"_ba;
    QTest::newRow("empty host name") << "Corvane: Please send me  a $ to get on the list"_ba << "$"_ba;
    QTest::newRow("host name holding ' a '") << "Corvane: Please send me Anna a Bell a $ to get on the list"_ba
                                              << "$"_ba;
    QTest::newRow("said by a player") << "Bob: Please send me Corvane a $ to get on the list"_ba << ""_ba;
    QTest::newRow("an ESP") << "ESP from Corvane: Please send me Corvane a $ to get on the list"_ba << ""_ba;
    QTest::newRow("no symbol") << "Corvane: Please send me Corvane a  to get on the list"_ba << ""_ba;
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
