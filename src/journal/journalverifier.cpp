#include "journal/journalverifier.h"

#include "journal/checkedentries.h"
#include "journal/journalfields.h"
#include "journal/journalline.h"
#include "journal/journalreader.h"
#include "journal/liststate.h"
#include "journal/pick.h"
#include "journal/seal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>

#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;
using namespace JournalFields;

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

// Lower-case hex of 1 to maxBytes bytes (exactly that many when exact).
std::optional<QByteArray> hexOf(const QJsonValue &value, int maxBytes, bool exact = false)
{
    const QString hex = value.toString();
    if (hex.isEmpty() || hex.size() % 2 != 0 || hex.size() > qsizetype(2) * maxBytes
        || (exact && hex.size() != qsizetype(2) * maxBytes))
        return std::nullopt;
    for (const QChar c : hex) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return std::nullopt;
    }
    return QByteArray::fromHex(hex.toLatin1());
}

// A pick's seed: at most 1 KiB.
constexpr int kMaxSeedBytes = 1024;

struct SealSeen
{
    QByteArray commitment;
    int draws = 0;
    qint64 lastDraw = 0;
    QByteArray key;        // empty until revealed
    qint64 revealedAt = 0; // the reveal's entry
    QString revealedIn;    // or the other run's journal that revealed it
};

class Check
{
public:
    Check(const JournalContents &contents, const JournalVerifier::Keys &keys,
          const QHash<QByteArray, QString> &revealedIn)
        : m_contents(contents)
        , m_keys(keys)
        , m_revealedIn(revealedIn)
    {}

    JournalVerdict run();

private:
    QString checkEntry(const JournalEntry &entry, qint64 seq);
    QString checkPick(const QJsonObject &pick, qint64 seq);
    QString checkSealed(const QJsonObject &pick, const QJsonValue &sealValue);
    QString checkOperation(const QJsonObject &object, qint64 seq);
    // The seal seen under this commitment; a new one, holding key and
    // revealedIn, when it was not seen yet.
    SealSeen &sealFor(const QByteArray &commitment, const QByteArray &key, const QString &revealedIn);
    void learnKeys();
    void addSummary();

    const JournalContents &m_contents;
    JournalVerdict m_verdict;
    ListState m_state;
    QStringList m_drawn;          // the winners picked since the last draw entry
    QList<int> m_picksUpTo{0};    // [seq]: picks in the entries up to seq
    qint64 m_redrawAfter = 0;     // a restore that undid picks, until the next pick
    QList<SealSeen> m_seals;      // in the order first seen
    JournalVerifier::Keys m_keys; // commitment -> revealed key
    QHash<QByteArray, QString> m_revealedIn;
    int m_unsealed = 0;
};

JournalVerdict Check::run()
{
    const auto fail = [this](qint64 seq, int line, const QString &reason) {
        m_verdict.seq = seq;
        m_verdict.line = line;
        m_verdict.reason = reason;
        m_verdict.notes.clear();
        return m_verdict;
    };
    if (m_contents.headerLine.isEmpty() && m_contents.damage.isEmpty())
        return fail(0, 1, tr("the file holds no complete journal header"));
    if (m_contents.headerLine.isEmpty())
        return fail(0, m_contents.damagedLine, m_contents.damage);
    if (JournalLine::header(m_contents.header) != m_contents.headerLine)
        return fail(0, 1, tr("the line is not in the journal's own form"));
    if (m_contents.header.value(JournalFields::kPickMethod).toString() != Pick::kMethod)
        return fail(0, 1, tr("the journal's pick function is not known to this program"));

    learnKeys();
    QByteArray previous = m_contents.headerLine;
    qint64 expected = 1;
    for (const JournalEntry &entry : m_contents.entries) {
        const QJsonObject &object = entry.object;
        const qint64 seq = wholeNumber(object.value(kSeq), 1, qint64(1) << 53).value_or(expected);
        QString problem;
        if (object.value(kSeq) != QJsonValue(static_cast<double>(expected)))
            problem = tr("its number should be %1").arg(expected);
        else if (object.value(kPrev).toString().toLatin1()
                 != QCryptographicHash::hash(previous, QCryptographicHash::Sha256).toHex())
            problem = tr("the line before it is not the one it followed");
        else if (JournalLine::entry(object) != entry.line)
            problem = tr("the line is not in the journal's own form");
        else
            problem = checkEntry(entry, seq);
        if (!problem.isEmpty())
            return fail(seq, entry.lineNumber, problem);
        previous = entry.line;
        ++expected;
    }
    if (!m_contents.damage.isEmpty())
        return fail(m_contents.damagedLine > 1 ? expected : 0, m_contents.damagedLine, m_contents.damage);
    addSummary();
    m_verdict.ok = true;
    return m_verdict;
}

// The keys revealed anywhere in the file, so that the seeds drawn under them
// before the reveal can be derived again; a key that does not match its
// seal fails at its own entry.
void Check::learnKeys()
{
    m_keys.insert(JournalVerifier::revealedKeys(m_contents));
}

QString Check::checkEntry(const JournalEntry &entry, qint64 seq)
{
    const QJsonObject &object = entry.object;
    const QJsonValue changesValue = object.value(kChanges);
    const QJsonValue picksValue = object.value(kPicks);
    if (!object.value(kOp).isString() || !object.value(kTime).isString())
        return tr("it has no operation or time");
    if (!(changesValue.isUndefined() || changesValue.isArray()) || !(picksValue.isUndefined() || picksValue.isArray()))
        return tr("its changes or picks are not lists");

    const QJsonArray changes = changesValue.toArray();
    qsizetype applied = 0;
    QString problem;
    const QJsonArray picks = picksValue.toArray();
    for (const auto &pickValue : picks) {
        const QJsonObject pick = pickValue.toObject();
        const std::optional<qint64> at = wholeNumber(pick.value(kAt), applied, changes.size());
        if (!at)
            return tr("a pick is not placed among the changes");
        if (!m_state.apply(changes, applied, *at, &problem))
            return problem;
        applied = *at;
        problem = checkPick(pick, seq);
        if (!problem.isEmpty())
            return problem;
    }
    m_picksUpTo.append(m_picksUpTo.constLast() + static_cast<int>(picks.size()));
    if (!m_state.apply(changes, applied, changes.size(), &problem))
        return problem;
    return checkOperation(object, seq);
}

QString Check::checkPick(const QJsonObject &pick, qint64 seq)
{
    const QStringList &players = m_state.players();
    const std::optional<qint64> count = wholeNumber(pick.value(kCount), 1, std::numeric_limits<int>::max());
    if (!count)
        return tr("a pick has no count of players");
    if (*count != players.size())
        return tr("a pick counted %1 players where the lists held %2").arg(*count).arg(players.size());
    if (pick.value(kPlayers).toString().toLatin1() != ListState::hashOf(players))
        return tr("a pick was made from other players than the lists held");
    const std::optional<QByteArray> seed = hexOf(pick.value(kSeed), kMaxSeedBytes);
    const std::optional<qint64> index = wholeNumber(pick.value(kIndex), 0, *count - 1);
    if (!seed || !index)
        return tr("a pick has no seed or index");
    const auto derived = static_cast<qint64>(Pick::index(*seed, static_cast<quint64>(*count)));
    if (derived != *index)
        return tr("a pick's seed gives index %1, not %2").arg(derived).arg(*index);
    const QString winner = pick.value(kWinner).toString();
    if (players.at(*index) != winner)
        return tr("the player at index %1 is \"%2\", not the winner \"%3\"")
            .arg(QString::number(*index), players.at(*index), winner);
    const QJsonValue seal = pick.value(kSeal);
    if (!seal.isUndefined()) {
        QString problem = checkSealed(pick, seal);
        if (!problem.isEmpty())
            return problem;
    } else {
        ++m_unsealed;
    }
    if (m_redrawAfter > 0) {
        m_verdict.notes << tr("Entry %1 draws again after the restore at entry %2").arg(seq).arg(m_redrawAfter);
        m_redrawAfter = 0;
    }
    m_drawn << winner;
    ++m_verdict.draws;
    return {};
}

QString Check::checkSealed(const QJsonObject &pick, const QJsonValue &sealValue)
{
    const std::optional<qint64> draw = wholeNumber(pick.value(JournalFields::kDraw), 1, qint64(1) << 53);
    if (!hexOf(sealValue, 32, true) || !draw)
        return tr("a sealed pick has no seal or draw number");
    const QByteArray commitment = sealValue.toString().toLatin1();
    SealSeen &seen = sealFor(commitment, m_keys.value(commitment), m_revealedIn.value(commitment));
    if (*draw <= seen.lastDraw)
        return tr("sealed draw %1 was drawn before").arg(*draw);
    if (!seen.key.isEmpty()
        && hexOf(pick.value(kSeed), kMaxSeedBytes)
            != Seal::seed(seen.key, pick.value(kPlayers).toString().toLatin1(), *draw))
        return tr("its seed is not the one the seal gives for draw %1").arg(*draw);
    seen.lastDraw = *draw;
    ++seen.draws;
    return {};
}

SealSeen &Check::sealFor(const QByteArray &commitment, const QByteArray &key, const QString &revealedIn)
{
    const auto seen = std::find_if(m_seals.begin(), m_seals.end(),
                                   [&](const SealSeen &s) { return s.commitment == commitment; });
    if (seen != m_seals.end())
        return *seen;
    m_seals.append({commitment, 0, 0, key, 0, revealedIn});
    return m_seals.last();
}

// What an operation's own fields must say of the picks and the entries
// before it.
QString Check::checkOperation(const QJsonObject &object, qint64 seq)
{
    const QString op = object.value(kOp).toString();
    if (op == CheckedEntries::kDraw) {
        const QJsonValue winners = object.value(kWinners);
        QStringList named;
        const QJsonArray winnerList = winners.toArray();
        for (const auto &winner : winnerList)
            named << (winner.isString() ? winner.toString() : QString());
        if (!winners.isArray() || named != m_drawn)
            return tr("its winners are not the ones drawn");
        const QJsonValue prize = object.value(kPrize);
        if (!(prize.isUndefined() || prize.isString()))
            return tr("its prize is not text");
        m_drawn.clear();
    } else if (op == CheckedEntries::kRestore) {
        const bool fromFile = object.contains(kFile);
        const std::optional<qint64> to = wholeNumber(object.value(kTo), 0, fromFile ? qint64(1) << 53 : seq - 1);
        if (!to)
            return tr("it restores to an entry that is not before it");
        if (fromFile) {
            m_verdict.notes << tr("Lists restored to entry %1 of %2 at entry %3")
                                   .arg(QString::number(*to), object.value(kFile).toString(), QString::number(seq));
        } else {
            m_verdict.notes << tr("Lists restored to entry %1 at entry %2").arg(*to).arg(seq);
            if (m_picksUpTo.at(seq - 1) > m_picksUpTo.at(*to))
                m_redrawAfter = seq;
        }
    } else if (op == CheckedEntries::kReveal) {
        const std::optional<QByteArray> key = hexOf(object.value(kKey), Seal::kKeySize, true);
        const QByteArray commitment = object.value(kSeal).toString().toLatin1();
        if (!key || Seal::commitment(*key) != commitment)
            return tr("the key does not match its seal");
        SealSeen &seen = sealFor(commitment, *key, {});
        seen.revealedAt = seq;
        seen.revealedIn.clear();
    }
    return {};
}

void Check::addSummary()
{
    for (const SealSeen &seal : std::as_const(m_seals)) {
        const QString head = tr("Sealed under %1: %2")
                                 .arg(QString::fromLatin1(seal.commitment.first(Seal::kShownDigits)),
                                      seal.draws == 1 ? tr("1 draw") : tr("%1 draws").arg(seal.draws));
        m_verdict.notes << (seal.revealedAt > 0 ? tr("%1, key revealed at entry %2").arg(head).arg(seal.revealedAt)
                                : !seal.revealedIn.isEmpty()
                                ? tr("%1, key revealed in %2").arg(head, seal.revealedIn)
                                : tr("%1, key not revealed, so their seeds cannot be checked yet").arg(head));
    }
    if (!m_seals.isEmpty() && m_unsealed > 0)
        m_verdict.notes << (m_unsealed == 1 ? tr("1 draw unsealed") : tr("%1 draws unsealed").arg(m_unsealed));
}

} // namespace

QString JournalVerdict::text() const
{
    if (ok) {
        QStringList lines{draws == 1 ? tr("1 draw verified") : tr("%1 draws verified").arg(draws)};
        lines += notes;
        return lines.join(u'\n');
    }
    if (seq > 0)
        return tr("Entry %1 (line %2) does not match: %3").arg(QString::number(seq), QString::number(line), reason);
    if (line > 0)
        return tr("Line %1 does not match: %2").arg(QString::number(line), reason);
    return tr("The journal cannot be read: %1").arg(reason);
}

JournalVerdict JournalVerifier::verify(const QString &path, const QStringList &otherRuns)
{
    Keys keys;
    QHash<QByteArray, QString> revealedIn;
    for (const QString &other : otherRuns) {
        const Keys found = revealedKeys(JournalReader::read(other));
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            revealedIn.insert(it.key(), QFileInfo(other).fileName());
        keys.insert(found);
    }
    return verify(JournalReader::read(path), keys, revealedIn);
}

JournalVerdict JournalVerifier::verify(const JournalContents &contents, const Keys &revealedElsewhere,
                                       const QHash<QByteArray, QString> &revealedIn)
{
    return Check(contents, revealedElsewhere, revealedIn).run();
}

JournalVerifier::Keys JournalVerifier::revealedKeys(const JournalContents &contents)
{
    Keys keys;
    for (const JournalEntry &entry : contents.entries) {
        if (entry.object.value(kOp).toString() != CheckedEntries::kReveal)
            continue;
        const std::optional<QByteArray> key = hexOf(entry.object.value(kKey), Seal::kKeySize, true);
        const QByteArray seal = entry.object.value(kSeal).toString().toLatin1();
        if (key && Seal::commitment(*key) == seal)
            keys.insert(seal, *key);
    }
    return keys;
}
