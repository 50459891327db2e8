#include "games/journalentries.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace JournalEntries {

QJsonObject start(QLatin1StringView game, GameState::Opening opening, const QString &host)
{
    const QString mode = opening == GameState::Opening::ClearList ? u"clear"_s
        : opening == GameState::Opening::ResetList                ? u"reset"_s
                                                                  : u"neither"_s;
    return {{u"game"_s, game}, {u"mode"_s, mode}, {u"host"_s, host}};
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

QJsonObject draw(const QString &round, const QString &counter, const QStringList &winners,
                 const std::optional<QString> &prize)
{
    QJsonObject fields{
        {u"round"_s, round}, {u"counter"_s, counter}, {u"winners"_s, QJsonArray::fromStringList(winners)}};
    if (prize)
        fields.insert(u"prize"_s, *prize);
    return fields;
}

QJsonObject who(const QString &name)
{
    return {{u"who"_s, name}};
}

} // namespace JournalEntries
