#include "games/registrationscan.h"

#include "chat/transcripttext.h"
#include "games/patternsearch.h"
#include "games/roomlines.h"

#include <QStringMatcher>

#include <vector>

namespace RegistrationScan {

using namespace TranscriptText;
using namespace RoomLines;

QStringView afterNewestMarker(QStringView transcript, const QString &host)
{
    // Markers are rare: find each and look at the line that holds it.
    qsizetype cut = -1;
    for (qsizetype at = transcript.indexOf(QStringView(kHostMarker)); at >= 0;) {
        const qsizetype start = startOfLine(transcript, at);
        const QStringView line = lineAt(transcript, start);
        const qsizetype lineEnd = start + line.size();
        if (isHostsRoomLine(line, host))
            cut = std::min(lineEnd + 2, transcript.size());
        at = transcript.indexOf(QStringView(kHostMarker), lineEnd);
    }
    return cut < 0 ? transcript : transcript.sliced(cut);
}

Found scan(QStringView transcript, const QString &symbol, const QString &host, const QSet<QString> &registered)
{
    if (transcript.isEmpty())
        return {};
    const QStringView text = afterNewestMarker(transcript, host);

    // The ESP lines, found by a search for their beginning rather than by a
    // walk over every line. Positions stand in for line numbers.
    struct Candidate
    {
        qsizetype lineStart;
        QString name;
        int removal;
    };
    std::vector<Candidate> candidates;
    PatternSearch removals;
    static const QStringMatcher espStart(u"\r\nESP from");
    for (qsizetype start = text.startsWith(u"ESP from") ? 0 : -1;;) {
        if (start >= 0) {
            const QStringView line = lineAt(text, start);
            const QStringView message = trimBlanks(GetMessage(line));
            if (message.first(std::min<qsizetype>(1, message.size())) == symbol) {
                QString name = GetSender(line);
                if (!name.isEmpty()) { // a line that names nobody registers nobody
                    const int removal = removals.add(RoomLines::removal(name));
                    candidates.push_back({start, std::move(name), removal});
                }
            }
        }
        const qsizetype next = espStart.indexIn(text, start + 1);
        if (next < 0)
            break;
        start = next + 2;
    }
    if (candidates.empty())
        return {};

    // The host's lines that announce removals, each once.
    removals.build();
    static const QStringMatcher removedEnd(QString::fromUtf16(kRemovedEnd));
    qsizetype lastLine = -1;
    for (qsizetype at = removedEnd.indexIn(text, 0); at >= 0; at = removedEnd.indexIn(text, at + 1)) {
        const qsizetype lineStart = startOfLine(text, at);
        if (lineStart == lastLine)
            continue;
        lastLine = lineStart;
        const QStringView line = lineAt(text, lineStart);
        if (isHostsRoomLine(line, host))
            removals.scan(line, lineStart);
    }

    Found found;
    QSet<QString> ledger = registered;
    QSet<QString> refused;
    for (const Candidate &candidate : candidates) {
        if (removals.lastTextOf(candidate.removal) >= candidate.lineStart)
            continue; // removed after registering: not taken in again
        if (ledger.contains(candidate.name)) {
            if (registered.contains(candidate.name) && !refused.contains(candidate.name)) {
                refused.insert(candidate.name);
                found.refused.append(candidate.name);
            }
            continue;
        }
        ledger.insert(candidate.name);
        found.taken.append({candidate.name, lineAt(text, candidate.lineStart).toString()});
    }
    return found;
}

} // namespace RegistrationScan
