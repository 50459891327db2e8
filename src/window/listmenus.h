#pragma once

#include <QObject>

#include <vector>

class PlayerList;
class QListView;
class QMenu;
struct GameSession;
namespace Ui {
class MainWindow;
}

// The pop-up menus of the four player lists: a right-button release over a
// list opens its menu where the mouse is; the other buttons do nothing
// there, and a right click never moves the selection. From the keyboard
// (the Menu key, Shift+F10) a focused list opens its menu at the selected
// entry, and with none selected opens nothing, for there is nothing to act on.
class ListMenus : public QObject
{
    Q_OBJECT

public:
    ListMenus(Ui::MainWindow &ui, GameSession &session, QObject *parent = nullptr);

    void mnuAviRemove_Click();    // lstAvatars: "Remove PLayer"
    void mnuRemove_Click();       // List1: "Remove Player"
    void mnuRemoveLister_Click(); // List3: "Remove PLayer"
    void mnuRe_Click();           // List4: "Remove PLayer"
    void mnuAdd_Click();          // List1 back to lstAvatars
    void mnuAdd1_Click();         // List4 back to List3

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ListMenu
    {
        QListView *view;
        PlayerList &players;
        QMenu *menu;
    };

    void popUpOver(QListView *view, PlayerList &players, QMenu *menu);
    // True for the right button's events, which the list never sees.
    static bool takeRightButton(const ListMenu &over, QEvent *event);
    static void popUpAtSelection(const ListMenu &over);

    GameSession &m_session;
    std::vector<ListMenu> m_menus;
};
