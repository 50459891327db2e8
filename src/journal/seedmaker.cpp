#include "journal/seedmaker.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>

#include <array>
#include <chrono>

namespace {

void addNumber(QCryptographicHash &hash, quint64 number)
{
    uchar bytes[8];
    qToBigEndian(number, bytes);
    hash.addData(QByteArrayView(bytes, sizeof bytes));
}

} // namespace

QByteArray SeedMaker::next(qint64 msSinceMidnight)
{
    std::array<quint32, 8> random{};
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();

    QCryptographicHash hash(QCryptographicHash::Sha256);
    addNumber(hash, static_cast<quint64>(msSinceMidnight));
    addNumber(hash, static_cast<quint64>(ticks));
    addNumber(hash, ++m_picks);
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(random.data()), sizeof random));
    return hash.result();
}
