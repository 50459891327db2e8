#include "journal/seal.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

#include <array>

QByteArray Seal::newKey()
{
    std::array<quint32, kKeySize / 4> random{};
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    return {reinterpret_cast<const char *>(random.data()), kKeySize};
}

QByteArray Seal::commitment(QByteArrayView key)
{
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
}

QByteArray Seal::seed(QByteArrayView key, QByteArrayView playersHash, qint64 draw)
{
    return QMessageAuthenticationCode::hash(playersHash.toByteArray() + ':' + QByteArray::number(draw),
                                            key.toByteArray(), QCryptographicHash::Sha256);
}
