#include "games/journalentries.h"

#include "core/playerlist.h"
#include "journal/checkedentries.h"
#include "journal/journalfields.h"
#include "journal/listedit.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace JournalEntries {

namespace {

JournalRecord whoFor(QLatin1StringView op, const std::optional<QString> &who)
{
    JournalRecord record{op, {}};
    if (who)
        record.fields.insert(Field::kWho, *who);
    return record;
}

} // namespace

JournalRecord start(QLatin1StringView game, GameState::Opening opening, const QString &host, const QByteArray &seal)
{
    const QLatin1StringView mode = opening == GameState::Opening::ClearList ? Mode::kClear
        : opening == GameState::Opening::ResetList                          ? Mode::kReset
                                                                            : Mode::kNeither;
    JournalRecord record{Op::kStart, {{Field::kGame, game}, {Field::kMode, mode}, {Field::kHost, host}}};
    if (!seal.isEmpty())
        record.fields.insert(JournalFields::kSeal, QString::fromLatin1(seal));
    return record;
}

JournalRecord getReg(QLatin1StringView game, const std::optional<RegistrationScan::Found> &found)
{
    if (!found)
        return {Op::kGetReg, {{Field::kGame, game}, {Field::kRead, false}}};
    QJsonArray taken;
    for (const auto &[name, line] : found->taken)
        taken.append(QJsonObject{{Field::kWho, name}, {Field::kLine, line}});
    return {
        Op::kGetReg,
        {{Field::kGame, game}, {Field::kTaken, taken}, {Field::kRefused, QJsonArray::fromStringList(found->refused)}}};
}

JournalRecord draw(const Counters &was, const Counters &now, const QStringList &winners,
                   const std::optional<QString> &prize)
{
    JournalRecord record = CheckedEntries::draw(winners, prize);
    record.fields.insert(Field::kRound, now.round);
    record.fields.insert(Field::kCounter, now.counter);
    record.fields.insert(Field::kRoundWas, was.round);
    record.fields.insert(Field::kCounterWas, was.counter);
    return record;
}

JournalRecord round(const QString &current, const QString &of)
{
    return {Op::kRound, {{Field::kRound, current}, {Field::kOf, of}}};
}

JournalRecord sayList(QLatin1StringView game, qsizetype count)
{
    return {Op::kSayList, {{Field::kGame, game}, {Field::kCount, count}}};
}

JournalRecord sayNext(const std::optional<QString> &who)
{
    return whoFor(Op::kSayNext, who);
}

JournalRecord callNext(const std::optional<QString> &who)
{
    return whoFor(Op::kCallNext, who);
}

JournalRecord sayPrizes(qint64 places)
{
    return {Op::kSayPrizes, {{Field::kPlaces, places}}};
}

JournalRecord removal(const PlayerList &from, const QString &who)
{
    return {Op::kRemove, {{Field::kList, ListEdit::journalNameOf(from.name())}, {Field::kWho, who}}};
}

JournalRecord addBack(const PlayerList &from, const PlayerList &to, const QString &who)
{
    return {Op::kAddBack,
            {{Field::kFrom, ListEdit::journalNameOf(from.name())},
             {JournalFields::kTo, ListEdit::journalNameOf(to.name())},
             {Field::kWho, who}}};
}

JournalRecord colour(const QString &name, const QString &who)
{
    return {Op::kColour, {{Field::kColour, name}, {Field::kWho, who}}};
}

JournalRecord inPlay(const QString &colour, bool isInPlay)
{
    return {Op::kInPlay, {{Field::kColour, colour}, {Field::kInPlay, isInPlay}}};
}

JournalRecord coloursReset()
{
    return {Op::kColoursReset, {}};
}

JournalRecord sayColours(const QMap<QString, QString> &holders, const QStringList &inPlay)
{
    QJsonObject holderObject;
    for (auto it = holders.cbegin(); it != holders.cend(); ++it)
        holderObject.insert(it.key(), it.value());
    return {Op::kSayColours, {{Field::kHolders, holderObject}, {Field::kInPlay, QJsonArray::fromStringList(inPlay)}}};
}

JournalRecord recover(bool restored)
{
    return {Op::kRecover, {{Field::kRestored, restored}}};
}

JournalRecord settings(const QMap<int, QString> &changed, bool saved)
{
    QJsonObject items;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        items.insert(QString::number(it.key()), it.value());
    JournalRecord record{Op::kSettings, {{Field::kChanged, items}}};
    if (!saved)
        record.fields.insert(Field::kSaved, false);
    return record;
}

JournalRecord macro(int number)
{
    return {Op::kMacro, {{Field::kMacro, number}}};
}

KnownCounters countersAfter(const QList<JournalEntry> &entries, qint64 seq)
{
    // The last draw or fresh game at or before the entry left them so;
    // failing that, the first draw after it found them so.
    KnownCounters known;
    for (const JournalEntry &entry : entries) {
        const QJsonObject &object = entry.object;
        const QString op = entry.op();
        const bool after = entry.seq() > seq;
        if (op == CheckedEntries::kDraw && object.contains(Field::kRoundWas)) {
            if (after) {
                known.round = known.round.value_or(object.value(Field::kRoundWas).toString());
                known.counter = known.counter.value_or(object.value(Field::kCounterWas).toString());
                break;
            }
            known = {object.value(Field::kRound).toString(), object.value(Field::kCounter).toString()};
        } else if (op == Op::kStart && object.value(Field::kMode).toString() == Mode::kClear) {
            // A fresh raffle starts round 1; either fresh game starts the count of draws.
            if (after)
                break;
            if (object.value(Field::kGame).toString() == kRaffle)
                known.round = u"1"_s;
            known.counter = u"0"_s;
        }
    }
    return known;
}

} // namespace JournalEntries
