#pragma once

#include <QObject>

#include <utility>
#include <vector>

class ChatLink;
class QListView;
class QMenu;
struct PlayerLists;
namespace Ui {
class Draw;
}

// The pop-up menus of the four player lists: a right-button release over a
// list opens its menu where the mouse is; the other buttons do nothing
// there, and a right click never moves the selection.
class ListMenus : public QObject
{
    Q_OBJECT

public:
    ListMenus(Ui::Draw &ui, ChatLink &link, PlayerLists &lists, QObject *parent = nullptr);

    void mnuAviRemove_Click();    // lstAvatars: "Remove PLayer"
    void mnuRemove_Click();       // List1: "Remove Player"
    void mnuRemoveLister_Click(); // List3: "Remove PLayer"
    void mnuRe_Click();           // List4: "Remove PLayer"
    void mnuAdd_Click();          // List1 back to lstAvatars
    void mnuAdd1_Click();         // List4 back to List3

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void popUpOver(QListView *list, QMenu *menu);

    ChatLink &m_link;
    PlayerLists &m_lists;
    std::vector<std::pair<QObject *, QMenu *>> m_menus; // a list's viewport and its menu
};
