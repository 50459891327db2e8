// How fast the room library carries the program's calls: SayText round trips
// through the chat link, and fetching a 10 MB transcript.

#include "chat/chatlink.h"
#include "chat/clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr qsizetype kTranscriptBytes = 10 * 1000 * 1000;

// Chat lines of the usual shapes until the size is reached.
QByteArray chatText(qsizetype bytes)
{
    QByteArray text;
    text.reserve(bytes + 128);
    for (int i = 0; text.size() < bytes; ++i) {
        if (!text.isEmpty())
            text += "\r\n";
        switch (i % 4) {
        case 0:
            text += "Player" + QByteArray::number(i % 997) + ": good luck everyone, Zo\xEB says hi";
            break;
        case 1:
            text += "ESP from Player" + QByteArray::number(i % 997) + ": $";
            break;
        case 2:
            text += "Corvane: Number " + QByteArray::number(i) + " is drawn";
            break;
        default:
            text += "<system>: Player" + QByteArray::number(i % 997) + " has entered the room";
            break;
        }
    }
    return text;
}

bool waitForReady(QProcess &room)
{
    const QDeadlineTimer deadline(30000);
    QByteArray out;
    while (!out.contains("ready\n")) {
        if (deadline.hasExpired() || room.state() != QProcess::Running)
            return false;
        room.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        out += room.readAllStandardOutput();
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QByteArray text = chatText(kTranscriptBytes);
    QFile file(dir.filePath(QStringLiteral("transcript.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();

    const QString socket = QStringLiteral("wadapi-room-bench-%1").arg(QCoreApplication::applicationPid());
    QProcess room;
    // Ends the room on every way out.
    const auto stop = qScopeGuard([&room] {
        if (room.state() != QProcess::NotRunning) {
            room.kill();
            room.waitForFinished(10000);
        }
    });
    room.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    room.start(QStringLiteral(CHATROOM_PATH), {QStringLiteral("--headless"), QStringLiteral("--socket"), socket});
    if (!room.waitForStarted() || !waitForReady(room)) {
        std::fprintf(stderr, "bench_room: the room did not start\n");
        return 1;
    }
    qputenv("WADAPI_ROOM", socket.toUtf8());
    SystemClock clock;
    ChatLink link(clock);
    if (link.InitDDE() != 0) {
        std::fprintf(stderr, "bench_room: InitDDE failed\n");
        return 1;
    }

    // Round trips: each SayText waits for the room's answer.
    constexpr int kSays = 20000;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < kSays; ++i)
        link.SayText(QStringLiteral("Number %1 is drawn").arg(i));
    const double sayMs = static_cast<double>(elapsed.nsecsElapsed()) / 1e6;
    if (link.LinkStatus() != u"0") {
        std::fprintf(stderr, "bench_room: the room stopped answering\n");
        return 1;
    }
    std::printf("SayText round trips: %d in %.0f ms = %.0f per second (%.1f us each)\n", kSays, sayMs,
                kSays / (sayMs / 1000.0), sayMs * 1000.0 / kSays);

    // The big transcript: loaded by the room, then fetched whole several times.
    room.write("load " + file.fileName().toUtf8() + "\n");
    room.waitForBytesWritten(10000);
    const qsizetype expected = text.size();
    const QDeadlineTimer loaded(60000);
    while (!(link.fetchTranscript(30000) && link.Transcript().size() == expected)) {
        if (loaded.hasExpired()) {
            std::fprintf(stderr, "bench_room: the room did not load the transcript\n");
            return 1;
        }
    }
    QList<double> fetchMs;
    for (int round = 0; round < 5; ++round) {
        elapsed.restart();
        const bool arrived = link.fetchTranscript(30000);
        fetchMs.append(static_cast<double>(elapsed.nsecsElapsed()) / 1e6);
        if (!arrived || link.Transcript().size() != expected) {
            std::fprintf(stderr, "bench_room: a fetch came back incomplete\n");
            return 1;
        }
    }
    std::sort(fetchMs.begin(), fetchMs.end());
    std::printf("Fetch of a %.1f MB transcript (%lld lines): best %.1f ms, median %.1f ms, worst %.1f ms "
                "(%.0f MB/s at the median)\n",
                static_cast<double>(expected) / 1e6, static_cast<long long>(link.Transcript().count(u'\n') + 1),
                fetchMs.first(), fetchMs[fetchMs.size() / 2], fetchMs.last(),
                static_cast<double>(expected) / 1e6 / (fetchMs[fetchMs.size() / 2] / 1000.0));

    link.KillDDE();
    room.write("quit\n");
    room.waitForBytesWritten(10000);
    room.waitForFinished(10000);
    return 0;
}
