#include "journal/listedit.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView kInsert("+");
constexpr QLatin1StringView kRemove("-");
constexpr QLatin1StringView kClear("clear");

// A list index: a whole number that fits an int. JSON numbers are doubles.
std::optional<int> indexOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= 0 && number <= std::numeric_limits<int>::max()) || std::floor(number) != number)
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

QLatin1StringView ListEdit::journalNameOf(QStringView tag)
{
    for (const PlayerLists::Names &names : PlayerLists::kNames) {
        if (tag == QLatin1StringView(names.tag))
            return names.journal;
    }
    return {};
}

int ListEdit::listNamed(QStringView name)
{
    for (std::size_t i = 0; i < PlayerLists::kNames.size(); ++i) {
        if (name == PlayerLists::kNames[i].journal)
            return static_cast<int>(i);
    }
    return -1;
}

QJsonArray ListEdit::toJson() const
{
    const QString listName = PlayerLists::kNames.at(static_cast<std::size_t>(list)).journal;
    switch (kind) {
    case Kind::Insert:
        return {listName, kInsert, index, name};
    case Kind::Remove:
        return {listName, kRemove, index, name};
    case Kind::Clear:
        break;
    }
    return {listName, kClear};
}

std::optional<ListEdit> ListEdit::fromJson(const QJsonValue &value)
{
    const QJsonArray array = value.toArray();
    if (array.size() < 2 || !array.at(0).isString() || !array.at(1).isString())
        return std::nullopt;
    ListEdit edit;
    edit.list = listNamed(array.at(0).toString());
    if (edit.list < 0)
        return std::nullopt;
    const QString kind = array.at(1).toString();
    if (kind == kClear)
        return array.size() == 2 ? std::optional(edit) : std::nullopt;
    if (kind == kInsert)
        edit.kind = Kind::Insert;
    else if (kind == kRemove)
        edit.kind = Kind::Remove;
    else
        return std::nullopt;
    if (array.size() != 4 || !array.at(3).isString())
        return std::nullopt;
    const std::optional<int> index = indexOf(array.at(2));
    if (!index)
        return std::nullopt;
    edit.index = *index;
    edit.name = array.at(3).toString();
    return edit;
}
