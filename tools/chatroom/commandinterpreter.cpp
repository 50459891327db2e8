#include "commandinterpreter.h"

#include "bots.h"
#include "roomservice.h"
#include "roomtext.h"
#include "roomtranscript.h"

#include <QStringDecoder>

namespace {

// A whole number within bounds, written in plain decimal digits.
std::optional<int> number(QByteArrayView text, int min, int max)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

QList<QByteArrayView> words(QByteArrayView text)
{
    QList<QByteArrayView> result;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        const qsizetype start = at;
        while (at < text.size() && text[at] != ' ' && text[at] != '\t')
            ++at;
        if (at > start)
            result.append(text.sliced(start, at - start));
    }
    return result;
}

} // namespace

CommandInterpreter::CommandInterpreter(RoomTranscript &transcript, RoomService &service, Bots &bots, QObject *parent)
    : QObject(parent)
    , m_transcript(transcript)
    , m_service(service)
    , m_bots(bots)
{}

QString CommandInterpreter::execute(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.contains('\0'))
        return QStringLiteral("the line holds a NUL byte");
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString checked = utf8(line);
    if (utf8.hasError())
        return QStringLiteral("the line is not valid UTF-8");
    if (line.trimmed().isEmpty() || line.startsWith('#'))
        return {};

    const qsizetype space = line.indexOf(' ');
    const QByteArrayView command = space < 0 ? line : line.first(space);
    const QByteArrayView rest = space < 0 ? QByteArrayView() : line.sliced(space + 1);

    if (command == "say")
        return speak({}, rest);
    if (command == "esp")
        return speak("ESP from ", rest);
    if (command == "line")
        return appendLine(rest);
    if (command == "load")
        return load(rest);
    if (command == "clear") {
        if (!rest.trimmed().isEmpty())
            return QStringLiteral("clear takes no argument");
        m_transcript.clear();
        return {};
    }
    if (command == "status")
        return status(rest);
    if (command == "late")
        return late(rest);
    if (command == "bots")
        return bots(rest);
    if (command == "quit") {
        if (!rest.trimmed().isEmpty())
            return QStringLiteral("quit takes no argument");
        emit quitRequested();
        return {};
    }
    return QStringLiteral("unknown command \"%1\"").arg(QString::fromUtf8(command));
}

QString CommandInterpreter::speak(const QByteArray &prefix, QByteArrayView rest)
{
    const qsizetype colon = rest.indexOf(": ");
    if (colon < 0)
        return QStringLiteral("expected NAME: TEXT");
    const QByteArrayView name = rest.first(colon).trimmed();
    if (name.isEmpty())
        return QStringLiteral("the avatar's name is empty");
    QString error;
    const auto nameBytes = RoomText::fromUtf8(name, &error);
    if (!nameBytes)
        return error;
    const auto text = RoomText::fromUtf8(rest.sliced(colon + 2), &error);
    if (!text)
        return error;
    m_transcript.append(prefix + *nameBytes + ": " + *text);
    return {};
}

QString CommandInterpreter::appendLine(QByteArrayView rest)
{
    QString error;
    const auto text = RoomText::fromUtf8(rest, &error);
    if (!text)
        return error;
    m_transcript.append(*text);
    return {};
}

QString CommandInterpreter::load(QByteArrayView rest)
{
    const QByteArrayView path = rest.trimmed();
    if (path.isEmpty())
        return QStringLiteral("load needs a file name");
    QString error;
    const auto text = RoomText::readTranscriptFile(QString::fromUtf8(path), &error);
    if (!text)
        return error;
    m_transcript.replace(*text);
    return {};
}

QString CommandInterpreter::status(QByteArrayView rest)
{
    const auto args = words(rest);
    if (args.isEmpty() || args.size() > 2)
        return QStringLiteral("expected status CODE [COUNT]");
    QByteArray code;
    if (args[0] != "\"\"") {
        QString error;
        const auto bytes = RoomText::fromUtf8(args[0], &error);
        if (!bytes)
            return error;
        code = *bytes;
    }
    int count = 1;
    if (args.size() == 2) {
        const auto parsed = number(args[1], 1, kMaxCount);
        if (!parsed)
            return QStringLiteral("the count must be a whole number from 1 to %1").arg(kMaxCount);
        count = *parsed;
    }
    m_service.injectStatus(code, count);
    return {};
}

QString CommandInterpreter::late(QByteArrayView rest)
{
    const auto args = words(rest);
    const auto ms = args.size() == 1 ? number(args[0], 0, kMaxLateMs) : std::nullopt;
    if (!ms)
        return QStringLiteral("expected late MS, a whole number from 0 to %1").arg(kMaxLateMs);
    m_service.setLate(*ms);
    return {};
}

QString CommandInterpreter::bots(QByteArrayView rest)
{
    const auto args = words(rest);
    const auto count = args.size() == 1 ? number(args[0], 0, Bots::kMax) : std::nullopt;
    if (!count)
        return QStringLiteral("expected bots N, a whole number from 0 to %1").arg(Bots::kMax);
    m_bots.setCount(*count);
    return {};
}
