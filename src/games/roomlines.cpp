#include "games/roomlines.h"

namespace RoomLines {

QString invitation(const QString &host, const QString &symbol)
{
    return QStringLiteral("Please send me ") + host + QStringLiteral(" a ") + symbol
        + QStringLiteral(" to get on the list");
}

QString removal(const QString &name)
{
    return QStringLiteral("*** ") + name + QString::fromUtf16(kRemovedEnd);
}

QString winnerIs(const QString &name)
{
    return QStringLiteral("and the winner is ") + name;
}

QString wins(const QString &name, const QString &prize)
{
    return name + QStringLiteral(" wins ") + prize;
}

QString round(const QString &round, const QString &rounds)
{
    return QStringLiteral("Round ") + round + QStringLiteral(" of ") + rounds;
}

QString playersHeadline(qsizetype count)
{
    return QStringLiteral("There are currenly ") + QString::number(count) + QStringLiteral(" players on the list");
}

QString queueHeadline(qsizetype count)
{
    return QStringLiteral("thay are currenly ") + QString::number(count) + QStringLiteral(" players on the list");
}

QString winnersHeadline(qsizetype count, const QString &firstLineOnList)
{
    return QStringLiteral("There are curently ") + QString::number(count) + QStringLiteral(" players ")
        + firstLineOnList;
}

QString place(const QString &placeCounter, int k, const QString &prize)
{
    static const char16_t *const suffixes[] = {u"st", u"nd", u"rd"};
    const QString suffix = QString::fromUtf16(k >= 0 && k < 3 ? suffixes[k] : u"th");
    return placeCounter + suffix + QStringLiteral(" Place ") + prize;
}

QString colourHolder(const QString &name, const QString &colour)
{
    return name + QStringLiteral(" = ") + colour;
}

QString sealCommitment(const QString &commitment)
{
    return QStringLiteral("Draws are sealed: commitment %1").arg(commitment);
}

QString sealCheck(qint64 draw, int place, int count, const QString &playersHash)
{
    return QStringLiteral("Sealed draw %1: number %2 of %3, list %4")
        .arg(QString::number(draw), QString::number(place), QString::number(count), playersHash);
}

QString sealKey(const QString &commitment, const QString &key)
{
    return QStringLiteral("Seal %1 key: %2").arg(commitment, key);
}

} // namespace RoomLines
