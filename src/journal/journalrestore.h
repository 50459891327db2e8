#pragma once

#include "journal/journalreader.h"
#include "journal/liststate.h"

#include <array>
#include <optional>

// What a restore to an entry would do to each list, for the host to confirm.
struct RestoreSummary
{
    std::array<int, PlayerLists::Count> now{};
    std::array<int, PlayerLists::Count> after{};
    std::array<bool, PlayerLists::Count> changed{};

    // "players 120 → 98, winners 3 → 25", naming only the lists that change.
    QString text() const;
};

// Undoing a slip: the five lists as they were right after any entry of the
// run's journal, replayed from the empty lists every run starts with.
class JournalRestore
{
public:
    // The lists right after the entry numbered seq; nothing, with the reason,
    // when the journal has no such entry or an edit does not fit on the way.
    static std::optional<ListState> stateAfter(const QList<JournalEntry> &entries, qint64 seq,
                                               QString *problem = nullptr);

    static RestoreSummary summary(const ListState &now, const ListState &after);

    // Puts the state into the lists, leaving those that already match alone.
    // The lists' own edits take the state there, so the journal's recorder
    // notes the restore like any other change. False when a list came out
    // otherwise (a sorted list given names out of its order).
    static bool apply(const ListState &state, PlayerLists &lists);
};
