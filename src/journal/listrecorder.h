#pragma once

#include "journal/listedit.h"

#include <QList>
#include <QObject>

struct PlayerLists;

// Watches the five player lists and keeps every edit made to them since the
// last take(), in the order they happened across all lists. It starts with
// the lists' content as it stands, as inserts, so a replay from empty lists
// always comes out right.
class ListRecorder : public QObject
{
    Q_OBJECT

public:
    explicit ListRecorder(PlayerLists &lists, QObject *parent = nullptr);

    const PlayerLists &lists() const { return m_lists; }
    qsizetype pendingCount() const { return m_pending.size(); }
    const QList<ListEdit> &pending() const { return m_pending; }
    QList<ListEdit> take();

private:
    // A reset, a move or a new layout: the whole list again, after a clear.
    void recordWhole(int list);

    PlayerLists &m_lists;
    QList<ListEdit> m_pending;
};
