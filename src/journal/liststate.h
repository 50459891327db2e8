#pragma once

#include "core/playerlists.h"
#include "journal/listedit.h"
#include "journal/namelist.h"

#include <QByteArray>
#include <QJsonArray>
#include <QStringList>

#include <array>

// The five player lists as plain text, in the order of PlayerLists::all():
// what a replay of the journal builds, edit by edit, from empty lists.
class ListState
{
public:
    std::array<NameList, PlayerLists::Count> lists;

    static ListState of(const PlayerLists &playerLists);

    // Built once after each change to the players list, not at every call.
    const QStringList &players() const { return lists[PlayerLists::Players].names(); }

    // Applies one edit; false, with the reason, when it does not fit the
    // lists as they stand (an index past the end, another name at the index).
    bool apply(const ListEdit &edit, QString *problem = nullptr);
    // Applies the encoded edits from..to - 1 of a journal entry's "changes".
    bool apply(const QJsonArray &changes, qsizetype from, qsizetype to, QString *problem = nullptr);

    // Lower-case hex SHA-256 of the names in order, each as UTF-8 followed by
    // a line feed: the players list a pick was made from.
    static QByteArray hashOf(const QStringList &names);

    bool operator==(const ListState &other) const = default;
};
