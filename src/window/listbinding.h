#pragma once

#include <QObject>

class PlayerList;
class QListView;

// Shows a player list in a list box and keeps the two selections as one:
// the host's click or arrow key selects the entry, and an operation's
// selection shows. When entries come and go the list decides what stays
// selected; the box's own guess is not taken.
class ListBinding : public QObject
{
    Q_OBJECT

public:
    ListBinding(QListView *view, PlayerList &list);

private:
    void showSelection();

    QListView *m_view;
    PlayerList &m_list;
    bool m_listChanging = false;
};
