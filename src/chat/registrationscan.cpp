#include "chat/registrationscan.h"

#include "chat/patternsearch.h"
#include "chat/transcripttext.h"

#include <vector>

namespace RegistrationScan {

namespace {

using namespace TranscriptText;

constexpr char16_t kRemovedEnd[] = u" has been removed ***";

QString removalOf(const QString &name)
{
    return QStringLiteral("*** ") + name + QString::fromUtf16(kRemovedEnd);
}

// Calls f(line, index) for every line of the text, the last one included.
template<typename F>
void forEachLine(QStringView text, F f)
{
    qsizetype start = 0;
    for (qsizetype index = 0;; ++index) {
        const qsizetype end = text.indexOf(QStringView(kLineEnd), start);
        f(end < 0 ? text.sliced(start) : text.sliced(start, end - start), index);
        if (end < 0)
            return;
        start = end + 2;
    }
}

} // namespace

QStringView afterNewestMarker(QStringView transcript, const QString &host)
{
    // Markers are rare: find each and look at the line that holds it.
    qsizetype cut = -1;
    for (qsizetype at = transcript.indexOf(QStringView(kHostMarker)); at >= 0;) {
        const qsizetype previousEnd = at == 0 ? -1 : transcript.lastIndexOf(QStringView(kLineEnd), at - 1);
        const qsizetype start = previousEnd < 0 ? 0 : previousEnd + 2;
        const qsizetype lineEnd = transcript.indexOf(QStringView(kLineEnd), at);
        const QStringView line = transcript.sliced(start, (lineEnd < 0 ? transcript.size() : lineEnd) - start);
        if (isHostsRoomLine(line, host))
            cut = lineEnd < 0 ? transcript.size() : lineEnd + 2;
        if (lineEnd < 0)
            break;
        at = transcript.indexOf(QStringView(kHostMarker), lineEnd + 2);
    }
    return cut < 0 ? transcript : transcript.sliced(cut);
}

QStringList newRegistrations(QStringView transcript, const QString &symbol, const QString &host,
                             const QSet<QString> &registered)
{
    if (transcript.isEmpty())
        return {};
    const QStringView lines = afterNewestMarker(transcript, host);

    // First pass: the ESPs that carry the symbol, and the host's lines that
    // may announce removals.
    struct Candidate
    {
        qsizetype line;
        QString name;
        int removal;
    };
    std::vector<Candidate> candidates;
    std::vector<std::pair<QStringView, qsizetype>> removalLines;
    PatternSearch removals;
    forEachLine(lines, [&](QStringView line, qsizetype index) {
        if (line.startsWith(u"ESP from")) {
            const QStringView message = trimBlanks(GetMessage(line));
            if (message.first(std::min<qsizetype>(1, message.size())) != symbol)
                return;
            QString name = GetSender(line);
            if (name.isEmpty())
                return; // a line that names nobody registers nobody
            const int removal = removals.add(removalOf(name));
            candidates.push_back({index, std::move(name), removal});
        } else if (line.contains(QStringView(kRemovedEnd)) && isHostsRoomLine(line, host)) {
            removalLines.emplace_back(line, index);
        }
    });
    if (candidates.empty())
        return {};

    removals.build();
    for (const auto &[line, index] : removalLines)
        removals.scan(line, index);

    QStringList taken;
    QSet<QString> ledger = registered;
    for (const Candidate &candidate : candidates) {
        if (removals.lastTextOf(candidate.removal) >= candidate.line)
            continue; // removed after registering: not taken in again
        if (ledger.contains(candidate.name))
            continue;
        ledger.insert(candidate.name);
        taken.append(candidate.name);
    }
    return taken;
}

} // namespace RegistrationScan
