#include "window/listmenus.h"

#include "core/playerlists.h"
#include "games/listediting.h"
#include "ui_draw.h"

#include <QMouseEvent>

ListMenus::ListMenus(Ui::Draw &ui, ChatLink &link, PlayerLists &lists, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_lists(lists)
{
    popUpOver(ui.lstAvatars, ui.mnuAvi);
    popUpOver(ui.List1, ui.mnuColor);
    popUpOver(ui.List3, ui.mnuLstLister);
    popUpOver(ui.List4, ui.mnuColor1);

    connect(ui.mnuAviRemove, &QAction::triggered, this, &ListMenus::mnuAviRemove_Click);
    connect(ui.mnuRemove, &QAction::triggered, this, &ListMenus::mnuRemove_Click);
    connect(ui.mnuRemoveLister, &QAction::triggered, this, &ListMenus::mnuRemoveLister_Click);
    connect(ui.mnuRe, &QAction::triggered, this, &ListMenus::mnuRe_Click);
    connect(ui.mnuAdd, &QAction::triggered, this, &ListMenus::mnuAdd_Click);
    connect(ui.mnuAdd1, &QAction::triggered, this, &ListMenus::mnuAdd1_Click);
}

void ListMenus::popUpOver(QListView *list, QMenu *menu)
{
    list->viewport()->installEventFilter(this);
    m_menus.emplace_back(list->viewport(), menu);
}

bool ListMenus::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    if (release) {
        for (const auto &[viewport, menu] : m_menus) {
            if (viewport == watched)
                menu->popup(mouse->globalPosition().toPoint());
        }
    }
    return true; // the right button never selects
}

void ListMenus::mnuAviRemove_Click()
{
    ListEditing::RemovePlayer(m_link, m_lists.lstAvatars);
}

void ListMenus::mnuRemove_Click()
{
    ListEditing::RemovePlayer(m_link, m_lists.List1);
}

void ListMenus::mnuRemoveLister_Click()
{
    ListEditing::RemovePlayer(m_link, m_lists.List3);
}

void ListMenus::mnuRe_Click()
{
    ListEditing::RemovePlayer(m_link, m_lists.List4);
}

void ListMenus::mnuAdd_Click()
{
    ListEditing::AddPlayerBack(m_lists.List1, m_lists.lstAvatars);
}

void ListMenus::mnuAdd1_Click()
{
    ListEditing::AddPlayerBack(m_lists.List4, m_lists.List3);
}
