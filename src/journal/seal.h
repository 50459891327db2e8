#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Sealed draws: a secret key fixed at the raffle's Start, its SHA-256 said in
// the room as the commitment, and every pick's seed derived from the key, the
// players list and the draw's number, so that nobody can draw again for
// another winner. Once the key is revealed anyone can derive every seed again.
namespace Seal {

inline constexpr int kKeySize = 32;
// How many hex digits of the commitment the room hears.
inline constexpr int kShownDigits = 16;

QByteArray newKey();
// Lower-case hex SHA-256 of the key.
QByteArray commitment(QByteArrayView key);
// HMAC-SHA256(key, "<players hash hex>:<draw>").
QByteArray seed(QByteArrayView key, QByteArrayView playersHash, qint64 draw);

} // namespace Seal
