#include "journal/checkedentries.h"

#include "journal/journalfields.h"
#include "journal/pick.h"

#include <QJsonArray>

using namespace JournalFields;

namespace CheckedEntries {

QJsonObject pick(const PickRecord &pick, qsizetype at)
{
    QJsonObject object{
        {kSeed, QString::fromLatin1(pick.seed.toHex())},
        {kCount, pick.count},
        {kIndex, pick.index},
        {kWinner, pick.winner},
        {kPlayers, QString::fromLatin1(pick.playersHash)},
        {kAt, at},
    };
    if (!pick.seal.isEmpty()) {
        object.insert(kSeal, QString::fromLatin1(pick.seal));
        object.insert(JournalFields::kDraw, pick.draw);
    }
    return object;
}

JournalRecord draw(const QStringList &winners, const std::optional<QString> &prize)
{
    JournalRecord record{kDraw, {{kWinners, QJsonArray::fromStringList(winners)}}};
    if (prize)
        record.fields.insert(kPrize, *prize);
    return record;
}

JournalRecord restore(qint64 to, const QString &file)
{
    JournalRecord record{kRestore, {{kTo, to}}};
    if (!file.isEmpty())
        record.fields.insert(kFile, file);
    return record;
}

JournalRecord reveal(const QByteArray &seal, const QByteArray &key)
{
    return {kReveal, {{kSeal, QString::fromLatin1(seal)}, {JournalFields::kKey, QString::fromLatin1(key.toHex())}}};
}

} // namespace CheckedEntries
