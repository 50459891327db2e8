#include "games/drawseal.h"

#include "journal/seal.h"

namespace {

constexpr QLatin1StringView kOn("SealedDraws/on");
constexpr QLatin1StringView kKey("SealedDraws/key");
constexpr QLatin1StringView kDraws("SealedDraws/draws");

} // namespace

DrawSeal::DrawSeal(const QString &path)
    : m_file(path, QSettings::IniFormat)
    , m_on(m_file.value(kOn, false).toBool())
    , m_key(QByteArray::fromHex(m_file.value(kKey).toString().toLatin1()))
    , m_draws(m_file.value(kDraws, 0).toLongLong())
{
    if (m_key.size() != Seal::kKeySize)
        m_key.clear();
}

void DrawSeal::setOn(bool on)
{
    m_on = on;
    save();
}

QByteArray DrawSeal::begin()
{
    if (!holdsKey()) {
        m_key = Seal::newKey();
        m_draws = 0;
        save();
    }
    return commitment();
}

QByteArray DrawSeal::commitment() const
{
    return holdsKey() ? Seal::commitment(m_key) : QByteArray();
}

qint64 DrawSeal::nextDraw()
{
    ++m_draws;
    save();
    return m_draws;
}

QByteArray DrawSeal::seedFor(QByteArrayView playersHash, qint64 draw) const
{
    return Seal::seed(m_key, playersHash, draw);
}

QByteArray DrawSeal::reveal()
{
    QByteArray key = std::exchange(m_key, {});
    m_draws = 0;
    save();
    return key;
}

void DrawSeal::save()
{
    m_file.setValue(kOn, m_on);
    if (holdsKey())
        m_file.setValue(kKey, QString::fromLatin1(m_key.toHex()));
    else
        m_file.remove(kKey);
    m_file.setValue(kDraws, m_draws);
    m_file.sync();
}
