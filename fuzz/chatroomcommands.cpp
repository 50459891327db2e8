// chatroom's commands on arbitrary standard input: cut into lines as the room
// cuts them and carried out against a room without sockets or window. A
// refused command must leave the room as it was, and the room's transcript
// must stay a sound chat window text whatever the commands were.
#include "bots.h"
#include "commandinterpreter.h"
#include "fuzzcheck.h"
#include "linesplitter.h"
#include "roomservice.h"
#include "roomtranscript.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// Small, so that dropping the oldest lines happens often.
constexpr qsizetype kWindowBytes = 2048;

struct Room
{
    QByteArray text;
    bool empty;
    QList<QByteArray> injected;
    std::optional<int> late;
    int bots;

    bool operator==(const Room &) const = default;
};

Room stateOf(const RoomTranscript &transcript, const RoomService &service, const Bots &bots)
{
    return {transcript.text(), transcript.isEmpty(), service.injectedStatuses(), service.late(), bots.count()};
}

QString g_files; // the fuzzer's own directory, ending in '/'

// "load" reads only the files of the fuzzer's own directory: a name without
// a slash is taken there, anything else is not carried out.
std::optional<QByteArray> confined(const QByteArray &line)
{
    if (!line.startsWith("load "))
        return line;
    if (line.contains('/'))
        return std::nullopt;
    return "load " + g_files.toUtf8() + line.sliced(5).trimmed();
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // Files for "load" to find, in a directory of the fuzzer's own.
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    g_files = dir.path() + u'/';
    writeFile(g_files + QStringLiteral("room.txt"), "A: one\nESP from B: $\r\n<system>: hi\n");
    writeFile(g_files + QStringLiteral("nul.txt"), QByteArray("A: one\0two\n", 11));
    writeFile(g_files + QStringLiteral("big.txt"), QByteArray(3 * kWindowBytes, 'x') + "\nA: end");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(data, static_cast<qsizetype>(size));
    {
        RoomTranscript transcript;
        transcript.setMaxSize(kWindowBytes);
        RoomService service(transcript, "Host");
        Bots bots(transcript, "Host");
        CommandInterpreter interpreter(transcript, service, bots);
        int quits = 0;
        QObject::connect(&interpreter, &CommandInterpreter::quitRequested, &interpreter, [&quits] { ++quits; });

        const auto carryOut = [&](const QByteArray &input) {
            const std::optional<QByteArray> line = confined(input);
            if (!line)
                return;
            const Room before = stateOf(transcript, service, bots);
            const int quitsBefore = quits;
            const QString error = interpreter.execute(*line);
            if (!error.isEmpty()) {
                check(stateOf(transcript, service, bots) == before);
                check(quits == quitsBefore);
            }
            check(!transcript.text().contains('\0'));
            check(transcript.text().size() <= kWindowBytes);
        };

        // Standard input arrives in pieces; the size here varies with the input.
        LineSplitter splitter;
        const qsizetype piece = 1 + static_cast<qsizetype>(size % 31);
        for (qsizetype at = 0; at < input.size(); at += piece) {
            for (const LineSplitter::Line &line : splitter.feed(input.sliced(at, std::min(piece, input.size() - at)))) {
                if (line)
                    carryOut(*line);
            }
        }
        if (const auto last = splitter.finish())
            carryOut(*last);

        // The program's calls then take the injected statuses as usual.
        RoomProtocol::Message request;
        request.kind = RoomProtocol::Kind::GetAllText;
        check(service.answer(request).has_value());
        request.kind = RoomProtocol::Kind::Communicate;
        request.text = "hello";
        check(service.answer(request).has_value());
        QCoreApplication::processEvents();
    }
    // Bots' pending replies go with their bots.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
