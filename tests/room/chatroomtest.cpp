#include "chatroomtest.h"

#include "bots.h"
#include "commandinterpreter.h"
#include "linesplitter.h"
#include "roomservice.h"
#include "roomtranscript.h"

#include <QFile>
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
        start
            + "\r\nBob: hello\r\nESP from Zo\xEB: $\r\n<system>: Welcome\r\nAnn:  two  spaces\r\n"
              "Bob: 5\x80 \x96 \x93q\x94"_ba);
    row("clear, then more", {"clear", "line first", "line"}, "first\r\n"_ba);
    row("load", {"load @/transcript.txt"}, "A: one\r\n\r\nESP from B: $"_ba);
    row("blank lines and comments", {"", "   ", "# say Bob: no", "say Bob: yes\r"}, start + "\r\nBob: yes");
    row("statuses", {"status 6 2", "status \"\"", "status 10 1", "status -1"}, start, 0, {"6", "6", "", "10", "-1"});
    row("late and bots", {"late 300", "bots 3", "late 0"}, start, 0, {}, 0, 3);

    // Every bad line is refused whole and leaves the room as it was.
    const Lines refused = {"shout Bob: hi", "say Bob hi", "say : hi", "say Bob: 日本", "line \xFF\xFE",
                           QByteArray("line a\0b", 8), "load", "load @/no-such-file.txt", "load @/with-nul.txt",
                           "load /dev/zero", // no size and no end
                           "load @/", "clear now", "status", "status 6 0", "status 6 1 2", "late 1e3", "late 600001",
                           "bots 101", "quit now",
                           // A good command but too long: refused once, whatever the slicing.
                           "line " + QByteArray(LineSplitter::kMaxLine, 'x')};
    row("refused", refused, start, int(refused.size()));
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
    // The commands come in as standard input does: cut anywhere, the last
    // line without its line feed.
    const QByteArray input = commands.join('\n').replace("@/", (dir.path() + u'/').toUtf8());
    LineSplitter splitter;
    QList<LineSplitter::Line> lines;
    for (qsizetype at = 0; at < input.size(); at += 7)
        lines += splitter.feed(QByteArrayView(input).sliced(at, std::min<qsizetype>(7, input.size() - at)));
    if (const auto last = splitter.finish())
        lines.append(*last);
    QCOMPARE(lines.size(), commands.size());
    int failed = 0;
    for (const LineSplitter::Line &line : lines)
        failed += !line || !interpreter.execute(*line).isEmpty() ? 1 : 0;
    QCOMPARE(failed, failures);
    QCOMPARE(room.text(), transcript);
    QCOMPARE(service.injectedStatuses(), injected);
    QCOMPARE(service.late().value_or(-1), late);
    QCOMPARE(robots.count(), bots);
}
