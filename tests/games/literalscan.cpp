#include "literalscan.h"

#include "chat/transcripttext.h"
#include "games/registrationscan.h"
#include "games/roomlines.h"

using namespace TranscriptText;

namespace {

const QString kMarker = QString::fromUtf16(RoomLines::kHostMarker);
const QString kCrLf = QString::fromUtf16(kLineEnd);

QStringView lineAround(const QString &text, qsizetype at)
{
    return lineAt(text, startOfLine(text, at));
}

// The first occurrence of the text in a line of the host's, or -1.
qsizetype findInHostsLines(const QString &text, const QString &what, const QString &host)
{
    for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, at + 1)) {
        if (isHostsRoomLine(lineAround(text, at), host))
            return at;
    }
    return -1;
}

} // namespace

QStringList literalScan(QString transcript, const QString &symbol, const QString &host, QSet<QString> registered)
{
    QStringList taken;
    if (transcript.isEmpty())
        return taken;

    for (qsizetype p = findInHostsLines(transcript, kMarker, host); p >= 0;
         p = findInHostsLines(transcript, kMarker, host)) {
        const qsizetype c = transcript.indexOf(kCrLf, p + kMarker.size());
        transcript = c < 0 ? QString() : transcript.mid(c + 2);
    }

    for (bool more = true; more;) {
        const qsizetype end = transcript.indexOf(kCrLf);
        more = end >= 0;
        const QString line = more ? transcript.left(end) : transcript;
        if (transcript.left(8) == u"ESP from") {
            const QString message = trimBlanks(GetMessage(line)).toString();
            if (message.left(1) == symbol) {
                const QString name = GetSender(line);
                const QString removal = RoomLines::removal(name);
                if (!name.isEmpty() && findInHostsLines(transcript, removal, host) < 0 && !registered.contains(name)) {
                    registered.insert(name);
                    taken.append(name);
                }
            }
        }
        transcript = transcript.mid(line.size() + 2);
    }
    return taken;
}

QStringList scannedNames(QStringView transcript, const QString &symbol, const QString &host,
                         const QSet<QString> &registered)
{
    QStringList names;
    for (const RegistrationScan::Found::Registration &taken :
         RegistrationScan::scan(transcript, symbol, host, registered).taken)
        names.append(taken.name);
    return names;
}
