#include "journal/liststate.h"

#include "core/playerlists.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

} // namespace

ListState ListState::of(const PlayerLists &playerLists)
{
    ListState state;
    const auto all = playerLists.all();
    for (std::size_t i = 0; i < all.size(); ++i)
        state.lists[i] = NameList(all[i]->names());
    return state;
}

bool ListState::apply(const ListEdit &edit, QString *problem)
{
    NameList &list = lists.at(static_cast<std::size_t>(edit.list));
    const QLatin1StringView listName = PlayerLists::kNames.at(static_cast<std::size_t>(edit.list)).journal;
    switch (edit.kind) {
    case ListEdit::Kind::Insert:
        if (edit.index > list.size()) {
            setProblem(problem,
                       QCoreApplication::translate("ListState", "%1 has %2 names, so none can go in at %3")
                           .arg(listName, QString::number(list.size()), QString::number(edit.index)));
            return false;
        }
        list.insert(edit.index, edit.name);
        return true;
    case ListEdit::Kind::Remove:
        if (edit.index >= list.size() || list.at(edit.index) != edit.name) {
            setProblem(problem,
                       QCoreApplication::translate("ListState", "%1 does not hold \"%2\" at %3")
                           .arg(listName, edit.name, QString::number(edit.index)));
            return false;
        }
        list.removeAt(edit.index);
        return true;
    case ListEdit::Kind::Clear:
        list.clear();
        return true;
    }
    return false;
}

bool ListState::apply(const QJsonArray &changes, qsizetype from, qsizetype to, QString *problem)
{
    for (qsizetype i = from; i < to; ++i) {
        const std::optional<ListEdit> edit = ListEdit::fromJson(changes.at(i));
        if (!edit) {
            setProblem(problem, QCoreApplication::translate("ListState", "change %1 is not a list edit").arg(i + 1));
            return false;
        }
        if (!apply(*edit, problem))
            return false;
    }
    return true;
}

QByteArray ListState::hashOf(const QStringList &names)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &name : names) {
        hash.addData(name.toUtf8());
        hash.addData("\n");
    }
    return hash.result().toHex();
}
