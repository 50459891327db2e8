#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>
#include <QtGlobal>

// The raffle's provable pick: the winner's index follows from a seed that the
// journal records, so anyone can draw again and get the same winner.
// For c = 0, 1, 2, ...: h = SHA-256(seed || c as 4 bytes big-endian), x = the
// first 8 bytes of h as a big-endian unsigned 64-bit number. With
// limit = 2^64 - (2^64 mod count), the index is x mod count as soon as
// x < limit; a larger x falls in the uneven tail and the next c is tried, so
// every index has exactly the same chance.
namespace Pick {

// The method's name in the journal's header.
inline constexpr QLatin1StringView kMethod{"sha256-reject-v1"};

// An index from 0 to count - 1; count must be at least 1.
quint64 index(QByteArrayView seed, quint64 count);

} // namespace Pick

// One raffle pick as the journal records it: the seed, the number of players
// drawn from, the index the seed gave and the name there; under sealed draws
// also the seal's commitment and the draw's number under it.
struct PickRecord
{
    QByteArray seed;
    int count = 0;
    int index = 0;
    QString winner;
    QByteArray playersHash; // ListState::hashOf the players drawn from
    QByteArray seal;        // empty when not sealed
    qint64 draw = 0;
};
