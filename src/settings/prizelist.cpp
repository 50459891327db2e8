#include "settings/prizelist.h"

#include "settings/valuefile.h"

#include <QStringList>

PrizeList::PrizeList(FileStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{}

void PrizeList::setPrize(int index, const QString &text)
{
    if (m_prizes.at(index) == text)
        return;
    m_prizes[index] = text;
    emit prizeChanged(index, text);
}

QString PrizeList::caption() const
{
    return QStringLiteral("Prize # ") + QString::number(m_page + 1);
}

void PrizeList::setPage(int page)
{
    if (page < 0 || page >= kCount)
        return;
    m_page = page;
    emit pageChanged(page);
    save();
}

void PrizeList::clear()
{
    for (int i = 0; i < kCount; ++i)
        setPrize(i, QString());
}

void PrizeList::restoreDefaults()
{
    for (int i = 0; i < kCount; ++i)
        setPrize(i, QStringLiteral("Prize #") + QString::number(i + 1));
}

void PrizeList::load()
{
    const QStringList values = ValueFile::read(m_store, QString::fromUtf16(ValueFile::kPrizes), kCount);
    for (int i = 0; i < values.size(); ++i)
        setPrize(i, values[i]);
}

bool PrizeList::save()
{
    return ValueFile::write(m_store, QString::fromUtf16(ValueFile::kPrizes),
                            QStringList(m_prizes.begin(), m_prizes.end()));
}
