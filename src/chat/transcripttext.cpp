#include "chat/transcripttext.h"

namespace TranscriptText {

namespace {

constexpr char16_t kSpeakerEnd[] = u": ";

} // namespace

qsizetype startOfLine(QStringView text, qsizetype at)
{
    const qsizetype previousEnd = at == 0 ? -1 : text.lastIndexOf(QStringView(kLineEnd), at - 1);
    return previousEnd < 0 ? 0 : previousEnd + 2;
}

QStringView lineAt(QStringView text, qsizetype start)
{
    const qsizetype end = text.indexOf(QStringView(kLineEnd), start);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
}

QStringView trimBlanks(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString GetSender(QStringView line)
{
    const qsizetype end = line.indexOf(QStringView(kSpeakerEnd));
    if (end < 9)
        return {};
    return trimBlanks(line.sliced(9, end - 9)).toString();
}

QStringView GetMessage(QStringView line)
{
    const qsizetype at = line.indexOf(QStringView(kSpeakerEnd));
    if (at < 0)
        return line.size() > 1 ? line.sliced(1) : QStringView();
    return line.sliced(at + 2);
}

bool isEspLine(QStringView line)
{
    return line.startsWith(u"ESP from") || line.startsWith(u"ESP to");
}

QStringView speakerOf(QStringView line)
{
    const qsizetype at = line.indexOf(QStringView(kSpeakerEnd));
    return at < 0 ? QStringView() : line.first(at);
}

bool isHostsRoomLine(QStringView line, const QString &host)
{
    if (isEspLine(line))
        return false;
    return host.isEmpty() || speakerOf(line) == host;
}

} // namespace TranscriptText
