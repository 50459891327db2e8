#include "journal/listrecorder.h"

#include "core/playerlists.h"

#include <utility>

ListRecorder::ListRecorder(PlayerLists &lists, QObject *parent)
    : QObject(parent)
    , m_lists(lists)
{
    const auto all = lists.all();
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        PlayerList *list = all[static_cast<std::size_t>(i)];
        for (int row = 0; row < list->count(); ++row)
            m_pending.append({i, ListEdit::Kind::Insert, row, list->at(row)});

        connect(list, &QAbstractItemModel::rowsInserted, this,
                [this, list, i](const QModelIndex &, int first, int last) {
                    for (int row = first; row <= last; ++row)
                        m_pending.append({i, ListEdit::Kind::Insert, row, list->at(row)});
                });
        // Before the rows go, while their names can still be read.
        connect(list, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this, list, i](const QModelIndex &, int first, int last) {
                    for (int row = first; row <= last; ++row)
                        m_pending.append({i, ListEdit::Kind::Remove, first, list->at(row)});
                });
        connect(list, &QAbstractItemModel::modelReset, this, [this, i] { recordWhole(i); });
        connect(list, &QAbstractItemModel::layoutChanged, this, [this, i] { recordWhole(i); });
        connect(list, &QAbstractItemModel::rowsMoved, this, [this, i] { recordWhole(i); });
    }
}

QList<ListEdit> ListRecorder::take()
{
    return std::exchange(m_pending, {});
}

void ListRecorder::recordWhole(int list)
{
    const PlayerList *playerList = m_lists.all()[static_cast<std::size_t>(list)];
    m_pending.append({list, ListEdit::Kind::Clear, 0, {}});
    for (int row = 0; row < playerList->count(); ++row)
        m_pending.append({list, ListEdit::Kind::Insert, row, playerList->at(row)});
}
