#include "settings/hostsettings.h"

#include "settings/valuefile.h"

namespace {

struct ItemValues
{
    const char16_t *design;
    const char16_t *restored;
};

constexpr std::array<ItemValues, HostSettings::kCount> kValues = {{
    {u"$", u"$"},
    {u"Your Registration Has Been recived", u"You are on the List"},
    {u"Your are next on the list", u"Your are next on the list"},
    {u"Your are next", u"Your are next"},
    {u"WTG you won", u"WTG you won"},
    {u"WTG you won", u"WTG you won"},
    {u"1", u"1"},
    {u"1", u"1"},
    {u"1", u"1"},
    {u"10", u"10"},
    {u"That won", u"That won"},
    {u"Please come down you are next", u"Please come down you are next"},
    {u"Please come down you are next", u"Please come down you are next"},
    {u"1", u"1"},
    {u"", u"No"},
    {u"", u"No"},
    {u"", u"No"},
    {u"Welcome to Corvane's games", u"Welcome to Corvane's games"},
    {u"1", nullptr}, // "# of Prizes" is left as it is
    {u"There is 1 Placing this round", u"There is 1 Placing this round"},
}};

} // namespace

HostSettings::HostSettings(QObject *parent)
    : QObject(parent)
{
    for (int i = 0; i < kCount; ++i)
        m_items[i] = designDefault(i);
    m_inFile = m_items;
}

QString HostSettings::designDefault(int index)
{
    return QString::fromUtf16(kValues.at(index).design);
}

QString HostSettings::restoredValue(int index)
{
    const char16_t *value = kValues.at(index).restored;
    return value ? QString::fromUtf16(value) : QString();
}

int HostSettings::itemOf(Check check)
{
    switch (check) {
    case Check::Confirmation:
        return ConfirmationYesNo;
    case Check::SayWinnersList:
        return SayWinnersYesNo;
    case Check::SayPrizes:
        return SayPrizesYesNo;
    }
    return ConfirmationYesNo;
}

void HostSettings::setItem(int index, const QString &text)
{
    if (m_items.at(index) == text)
        return;
    m_items[index] = text;
    emit itemChanged(index, text);
    m_placeCounter = QStringLiteral("1");
    setItem(TotalRounds, m_items[Rounds]);
}

void HostSettings::setChecked(Check check, bool checked)
{
    bool &state = m_checked.at(static_cast<std::size_t>(check));
    if (state == checked)
        return;
    state = checked;
    emit checkedChanged(check, checked);
    // The toggle looks only at the item's text, never at the box.
    const int index = itemOf(check);
    if (m_items[index] == u"No")
        setItem(index, QStringLiteral("Yes"));
    else if (m_items[index] == u"Yes")
        setItem(index, QStringLiteral("No"));
}

void HostSettings::clear()
{
    for (int i = 0; i < kCount; ++i)
        setItem(i, QString());
}

void HostSettings::restoreDefaults()
{
    for (int i = 0; i < kCount; ++i) {
        if (i != PrizeCount)
            setItem(i, restoredValue(i));
    }
}

void HostSettings::load(const FileStore &store)
{
    const QStringList values = ValueFile::read(store, QString::fromUtf16(ValueFile::kSettings), kCount);
    for (int i = 0; i < values.size(); ++i)
        setItem(i, values[i]);
    // Ticking a box runs its toggle, which turns "Yes" into "No"; the item is
    // set back to "Yes" after it, so box and item agree.
    for (const Check check : {Check::SayPrizes, Check::Confirmation, Check::SayWinnersList}) {
        const int index = itemOf(check);
        if (item(index) == u"Yes") {
            setChecked(check, true);
            setItem(index, QStringLiteral("Yes"));
        }
    }
    // With no file, or one that changes nothing, no change has yet made the
    // rounds announced follow the rounds set.
    setItem(TotalRounds, item(Rounds));
    m_inFile = m_items;
}

bool HostSettings::save(FileStore &store)
{
    if (!ValueFile::write(store, QString::fromUtf16(ValueFile::kSettings), items()))
        return false;
    m_inFile = m_items;
    return true;
}

QList<int> HostSettings::changedSinceFile() const
{
    QList<int> changed;
    for (int i = 0; i < kCount; ++i) {
        if (m_items[i] != m_inFile[i])
            changed.append(i);
    }
    return changed;
}
