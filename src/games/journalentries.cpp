#include "games/journalentries.h"

#include "journal/journalops.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace JournalEntries {

namespace {

constexpr QLatin1StringView kClear("clear");
constexpr QLatin1StringView kRound("round");
constexpr QLatin1StringView kCounter("counter");
constexpr QLatin1StringView kRoundWas("roundWas");
constexpr QLatin1StringView kCounterWas("counterWas");

} // namespace

QJsonObject start(QLatin1StringView game, GameState::Opening opening, const QString &host, const QByteArray &seal)
{
    const QString mode = opening == GameState::Opening::ClearList ? QString(kClear)
        : opening == GameState::Opening::ResetList                ? u"reset"_s
                                                                  : u"neither"_s;
    QJsonObject fields{{u"game"_s, game}, {u"mode"_s, mode}, {u"host"_s, host}};
    if (!seal.isEmpty())
        fields.insert(u"seal"_s, QString::fromLatin1(seal));
    return fields;
}

QJsonObject getReg(QLatin1StringView game, const std::optional<RegistrationScan::Found> &found)
{
    if (!found)
        return {{u"game"_s, game}, {u"read"_s, false}};
    QJsonArray taken;
    for (const auto &[name, line] : found->taken)
        taken.append(QJsonObject{{u"who"_s, name}, {u"line"_s, line}});
    return {{u"game"_s, game}, {u"taken"_s, taken}, {u"refused"_s, QJsonArray::fromStringList(found->refused)}};
}

QJsonObject draw(const Counters &was, const Counters &now, const QStringList &winners,
                 const std::optional<QString> &prize)
{
    QJsonObject fields{{kRound, now.round},
                       {kCounter, now.counter},
                       {kRoundWas, was.round},
                       {kCounterWas, was.counter},
                       {u"winners"_s, QJsonArray::fromStringList(winners)}};
    if (prize)
        fields.insert(u"prize"_s, *prize);
    return fields;
}

QJsonObject who(const QString &name)
{
    return {{u"who"_s, name}};
}

QJsonObject reveal(const QByteArray &seal, const QByteArray &key)
{
    return {{u"seal"_s, QString::fromLatin1(seal)}, {u"key"_s, QString::fromLatin1(key.toHex())}};
}

KnownCounters countersAfter(const QList<JournalEntry> &entries, qint64 seq)
{
    // The last draw or fresh game at or before the entry left them so;
    // failing that, the first draw after it found them so.
    KnownCounters known;
    for (const JournalEntry &entry : entries) {
        const QJsonObject &object = entry.object;
        const QString op = object.value(u"op").toString();
        const bool after = object.value(u"seq").toInteger() > seq;
        if (op == JournalOps::kDraw && object.contains(kRoundWas)) {
            if (after) {
                known.round = known.round.value_or(object.value(kRoundWas).toString());
                known.counter = known.counter.value_or(object.value(kCounterWas).toString());
                break;
            }
            known = {object.value(kRound).toString(), object.value(kCounter).toString()};
        } else if (op == JournalOps::kStart && object.value(u"mode").toString() == kClear) {
            // A fresh raffle starts round 1; either fresh game starts the count of draws.
            if (after)
                break;
            if (object.value(u"game").toString() == JournalOps::kRaffle)
                known.round = u"1"_s;
            known.counter = u"0"_s;
        }
    }
    return known;
}

} // namespace JournalEntries
