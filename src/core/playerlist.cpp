#include "core/playerlist.h"

#include <algorithm>

PlayerList::PlayerList(const QString &name, Order order, QObject *parent)
    : QAbstractListModel(parent)
    , m_order(order)
{
    setObjectName(name);
}

int PlayerList::placeFor(const QString &name) const
{
    if (m_order == Order::Added)
        return count();
    const auto place = std::upper_bound(m_names.cbegin(), m_names.cend(), name, [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return static_cast<int>(place - m_names.cbegin());
}

int PlayerList::add(const QString &name)
{
    const int place = placeFor(name);
    beginInsertRows(QModelIndex(), place, place);
    m_names.insert(place, name);
    endInsertRows();
    if (m_selected >= place)
        setSelected(m_selected + 1); // the selection stays on its entry
    return place;
}

void PlayerList::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    beginRemoveRows(QModelIndex(), index, index);
    m_names.removeAt(index);
    endRemoveRows();
    if (m_selected == index)
        setSelected(-1);
    else if (m_selected > index)
        setSelected(m_selected - 1);
}

void PlayerList::clear()
{
    if (m_names.isEmpty())
        return;
    beginResetModel();
    m_names.clear();
    endResetModel();
    setSelected(-1);
}

void PlayerList::setSelected(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (m_selected == index)
        return;
    m_selected = index;
    emit selectionChanged(index);
}

QString PlayerList::selectedName() const
{
    return m_selected >= 0 ? m_names.at(m_selected) : QString();
}

bool PlayerList::contains(const QString &name) const
{
    return m_names.contains(name);
}

bool PlayerList::containsIgnoringCase(const QString &name) const
{
    const QString lower = name.toLower();
    return std::any_of(m_names.cbegin(), m_names.cend(),
                       [&lower](const QString &entry) { return entry.toLower() == lower; });
}

int PlayerList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PlayerList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    return role == Qt::DisplayRole ? QVariant(m_names.at(index.row())) : QVariant();
}
