#include "window/listmenus.h"

#include "games/gamesession.h"
#include "games/listediting.h"
#include "ui_mainwindow.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>

namespace {

// The Menu key and Shift+F10, as keys or as the platform's own request for
// a menu (which some platforms send as well; the open menu takes the other).
bool asksForMenu(const QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        return static_cast<const QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Menu
        || (key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
}

} // namespace

ListMenus::ListMenus(Ui::MainWindow &ui, GameSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    PlayerLists &lists = session.lists;
    popUpOver(ui.lstAvatars, lists.players, ui.mnuAvi);
    popUpOver(ui.List1, lists.winners, ui.mnuColor);
    popUpOver(ui.List3, lists.queue, ui.mnuLstLister);
    popUpOver(ui.List4, lists.called, ui.mnuColor1);

    connect(ui.mnuAviRemove, &QAction::triggered, this, &ListMenus::mnuAviRemove_Click);
    connect(ui.mnuRemove, &QAction::triggered, this, &ListMenus::mnuRemove_Click);
    connect(ui.mnuRemoveLister, &QAction::triggered, this, &ListMenus::mnuRemoveLister_Click);
    connect(ui.mnuRe, &QAction::triggered, this, &ListMenus::mnuRe_Click);
    connect(ui.mnuAdd, &QAction::triggered, this, &ListMenus::mnuAdd_Click);
    connect(ui.mnuAdd1, &QAction::triggered, this, &ListMenus::mnuAdd1_Click);
}

void ListMenus::popUpOver(QListView *view, PlayerList &players, QMenu *menu)
{
    view->viewport()->installEventFilter(this); // the mouse
    view->installEventFilter(this);             // the keyboard, which goes to the focused list
    m_menus.push_back({view, players, menu});
}

bool ListMenus::eventFilter(QObject *watched, QEvent *event)
{
    for (const ListMenu &over : m_menus) {
        if (watched == over.view->viewport())
            return takeRightButton(over, event);
        if (watched == over.view && asksForMenu(event)) {
            popUpAtSelection(over);
            return true;
        }
    }
    return false;
}

bool ListMenus::takeRightButton(const ListMenu &over, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    if (release)
        over.menu->popup(mouse->globalPosition().toPoint());
    return true; // the right button never selects
}

void ListMenus::popUpAtSelection(const ListMenu &over)
{
    const int selected = over.players.selected();
    if (selected < 0)
        return;
    const QModelIndex entry = over.view->model()->index(selected, 0); // the row as the list box shows it
    over.view->scrollTo(entry);
    over.menu->popup(over.view->viewport()->mapToGlobal(over.view->visualRect(entry).center()));
}

void ListMenus::mnuAviRemove_Click()
{
    ListEditing::removePlayer(m_session.link, m_session.lists.players, m_session.journal);
}

void ListMenus::mnuRemove_Click()
{
    ListEditing::removePlayer(m_session.link, m_session.lists.winners, m_session.journal);
}

void ListMenus::mnuRemoveLister_Click()
{
    ListEditing::removePlayer(m_session.link, m_session.lists.queue, m_session.journal);
}

void ListMenus::mnuRe_Click()
{
    ListEditing::removePlayer(m_session.link, m_session.lists.called, m_session.journal);
}

void ListMenus::mnuAdd_Click()
{
    ListEditing::addPlayerBack(m_session.lists.winners, m_session.lists.players, m_session.journal);
}

void ListMenus::mnuAdd1_Click()
{
    ListEditing::addPlayerBack(m_session.lists.called, m_session.lists.queue, m_session.journal);
}
