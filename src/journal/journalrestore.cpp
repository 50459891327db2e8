#include "journal/journalrestore.h"

#include "core/playerlists.h"
#include "journal/journalfields.h"

#include <QCoreApplication>
#include <QJsonArray>

using namespace Qt::StringLiterals;

QString RestoreSummary::text() const
{
    QStringList parts;
    for (std::size_t i = 0; i < changed.size(); ++i) {
        if (changed[i])
            parts << u"%1 %2 → %3"_s.arg(PlayerLists::kNames[i].shown, QString::number(now[i]),
                                         QString::number(after[i]));
    }
    if (parts.isEmpty())
        return QCoreApplication::translate("JournalRestore", "the lists are already as they were then");
    return parts.join(u", "_s);
}

std::optional<ListState> JournalRestore::stateAfter(const QList<JournalEntry> &entries, qint64 seq, QString *problem)
{
    ListState state;
    for (const JournalEntry &entry : entries) {
        const QJsonArray changes = entry.object.value(JournalFields::kChanges).toArray();
        if (!state.apply(changes, 0, changes.size(), problem))
            return std::nullopt;
        if (entry.object.value(JournalFields::kSeq) == QJsonValue(static_cast<double>(seq)))
            return state;
    }
    if (problem)
        *problem = QCoreApplication::translate("JournalRestore", "the journal has no entry %1").arg(seq);
    return std::nullopt;
}

RestoreSummary JournalRestore::summary(const ListState &now, const ListState &after)
{
    RestoreSummary summary;
    for (std::size_t i = 0; i < now.lists.size(); ++i) {
        summary.now[i] = static_cast<int>(now.lists[i].size());
        summary.after[i] = static_cast<int>(after.lists[i].size());
        summary.changed[i] = now.lists[i] != after.lists[i];
    }
    return summary;
}

bool JournalRestore::apply(const ListState &state, PlayerLists &lists)
{
    const auto all = lists.all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QStringList &names = state.lists[i].names();
        if (all[i]->names() == names)
            continue;
        all[i]->clear();
        for (const QString &name : names)
            all[i]->add(name);
    }
    return ListState::of(lists) == state;
}
