#include "journal/journalverifier.h"

#include "journal/journalreader.h"
#include "journal/liststate.h"
#include "journal/pick.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>

#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("JournalVerifier", text);
}

// A whole number from a JSON value, or nothing.
std::optional<qint64> wholeNumber(const QJsonValue &value, qint64 least, qint64 most)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= static_cast<double>(least) && number <= static_cast<double>(most)) || std::floor(number) != number)
        return std::nullopt;
    return static_cast<qint64>(number);
}

// A seed as the writer records it: lower-case hex, at most 1 KiB.
std::optional<QByteArray> seedOf(const QJsonValue &value)
{
    const QString hex = value.toString();
    if (hex.isEmpty() || hex.size() % 2 != 0 || hex.size() > 2048)
        return std::nullopt;
    for (const QChar c : hex) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return std::nullopt;
    }
    return QByteArray::fromHex(hex.toLatin1());
}

// Checks one pick against the lists replayed to its moment; empty when it holds.
QString checkPick(const QJsonObject &pick, const QStringList &players)
{
    const std::optional<qint64> count = wholeNumber(pick.value(u"n"), 1, std::numeric_limits<int>::max());
    if (!count)
        return tr("a pick has no count of players");
    if (*count != players.size())
        return tr("a pick counted %1 players where the lists held %2").arg(*count).arg(players.size());
    if (pick.value(u"players").toString().toLatin1() != ListState::hashOf(players))
        return tr("a pick was made from other players than the lists held");
    const std::optional<QByteArray> seed = seedOf(pick.value(u"seed"));
    const std::optional<qint64> index = wholeNumber(pick.value(u"index"), 0, *count - 1);
    if (!seed || !index)
        return tr("a pick has no seed or index");
    const auto derived = static_cast<qint64>(Pick::index(*seed, static_cast<quint64>(*count)));
    if (derived != *index)
        return tr("a pick's seed gives index %1, not %2").arg(derived).arg(*index);
    const QString winner = pick.value(u"winner").toString();
    if (players.at(*index) != winner)
        return tr("the player at index %1 is \"%2\", not the winner \"%3\"")
            .arg(QString::number(*index), players.at(*index), winner);
    return {};
}

} // namespace

QString JournalVerdict::text() const
{
    if (ok)
        return draws == 1 ? tr("1 draw verified") : tr("%1 draws verified").arg(draws);
    if (seq > 0)
        return tr("Entry %1 (line %2) does not match: %3").arg(QString::number(seq), QString::number(line), reason);
    if (line > 0)
        return tr("Line %1 does not match: %2").arg(QString::number(line), reason);
    return tr("The journal cannot be read: %1").arg(reason);
}

JournalVerdict JournalVerifier::verify(const QString &path)
{
    return verify(JournalReader::read(path));
}

JournalVerdict JournalVerifier::verify(const JournalContents &contents)
{
    JournalVerdict verdict;
    const auto fail = [&verdict](qint64 seq, int line, const QString &reason) {
        verdict.seq = seq;
        verdict.line = line;
        verdict.reason = reason;
        return verdict;
    };
    if (contents.headerLine.isEmpty() && contents.damage.isEmpty())
        return fail(0, 1, tr("the file holds no complete journal header"));
    if (contents.headerLine.isEmpty())
        return fail(0, contents.damagedLine, contents.damage);

    ListState state;
    QByteArray previous = contents.headerLine;
    qint64 expected = 1;
    for (const JournalEntry &entry : contents.entries) {
        const QJsonObject &object = entry.object;
        const qint64 seq = wholeNumber(object.value(u"seq"), 1, qint64(1) << 53).value_or(expected);
        if (object.value(u"seq") != QJsonValue(static_cast<double>(expected)))
            return fail(seq, entry.lineNumber, tr("its number should be %1").arg(expected));
        const QByteArray previousHash = QCryptographicHash::hash(previous, QCryptographicHash::Sha256).toHex();
        if (object.value(u"prev").toString().toLatin1() != previousHash)
            return fail(seq, entry.lineNumber, tr("the line before it is not the one it followed"));
        const QJsonValue changesValue = object.value(u"changes");
        const QJsonValue picksValue = object.value(u"picks");
        if (!(changesValue.isUndefined() || changesValue.isArray())
            || !(picksValue.isUndefined() || picksValue.isArray()))
            return fail(seq, entry.lineNumber, tr("its changes or picks are not lists"));

        const QJsonArray changes = changesValue.toArray();
        qsizetype applied = 0;
        QString problem;
        const QJsonArray picks = picksValue.toArray();
        for (const auto &pickValue : picks) {
            const QJsonObject pick = pickValue.toObject();
            const std::optional<qint64> at = wholeNumber(pick.value(u"at"), applied, changes.size());
            if (!at)
                return fail(seq, entry.lineNumber, tr("a pick is not placed among the changes"));
            if (!state.apply(changes, applied, *at, &problem))
                return fail(seq, entry.lineNumber, problem);
            applied = *at;
            problem = checkPick(pick, state.players());
            if (!problem.isEmpty())
                return fail(seq, entry.lineNumber, problem);
            ++verdict.draws;
        }
        if (!state.apply(changes, applied, changes.size(), &problem))
            return fail(seq, entry.lineNumber, problem);
        previous = entry.line;
        ++expected;
    }
    if (!contents.damage.isEmpty())
        return fail(contents.damagedLine > 1 ? expected : 0, contents.damagedLine, contents.damage);
    verdict.ok = true;
    return verdict;
}
