#pragma once

#include "core/playerlists.h"

#include <QJsonArray>
#include <QLatin1StringView>
#include <QString>

#include <optional>

// One change to one of the five player lists, as the journal keeps it:
// ["queue","+",12,"Ann"] puts Ann in at index 12, ["players","-",3,"Bo"]
// takes Bo out of index 3 (the name lets a replay check itself), and
// ["winners","clear"] empties the list.
struct ListEdit
{
    enum class Kind { Insert, Remove, Clear };

    // The list's place (PlayerLists::Index) for its journal name, or -1.
    static int listNamed(QStringView name);
    // The journal's name of a list from its tag in the recovery file; empty for none.
    static QLatin1StringView journalNameOf(QStringView tag);

    int list = PlayerLists::Players;
    Kind kind = Kind::Clear;
    int index = 0;
    QString name;

    QJsonArray toJson() const;
    // Nothing for anything that is not an edit of this shape.
    static std::optional<ListEdit> fromJson(const QJsonValue &value);

    bool operator==(const ListEdit &other) const = default;
};
