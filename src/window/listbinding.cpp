#include "window/listbinding.h"

#include "core/playerlist.h"
#include "window/shownnames.h"

#include <QItemSelectionModel>
#include <QListView>

ListBinding::ListBinding(QListView *view, PlayerList &list)
    : QObject(view)
    , m_view(view)
    , m_list(list)
{
    auto *shown = new ShownNames(this);
    shown->setSourceModel(&list);
    view->setModel(shown);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setUniformItemSizes(true); // long evenings make long lists

    const auto changing = [this] { m_listChanging = true; };
    const auto changed = [this] {
        m_listChanging = false;
        showSelection();
    };
    connect(&list, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
    connect(&list, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
    connect(&list, &QAbstractItemModel::modelAboutToBeReset, this, changing);
    connect(&list, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&list, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&list, &QAbstractItemModel::modelReset, this, changed);

    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (!m_listChanging)
            m_list.setSelected(current.isValid() ? current.row() : -1);
    });
    connect(&list, &PlayerList::selectionChanged, this, &ListBinding::showSelection);
}

void ListBinding::showSelection()
{
    if (m_listChanging)
        return;
    QItemSelectionModel *model = m_view->selectionModel();
    const int index = m_list.selected();
    if (index < 0) {
        if (model->currentIndex().isValid() || model->hasSelection()) {
            m_listChanging = true; // clearing moves the box's current row; that is no choice of the host's
            model->clear();
            m_listChanging = false;
        }
        return;
    }
    const QModelIndex row = m_view->model()->index(index, 0);
    if (model->currentIndex() != row || !model->isSelected(row)) {
        m_listChanging = true;
        model->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
        m_listChanging = false;
    }
    m_view->scrollTo(row);
}
