#include "window/shownnames.h"

#include "window/showntext.h"

QVariant ShownNames::data(const QModelIndex &index, int role) const
{
    const QString name = QIdentityProxyModel::data(index, Qt::DisplayRole).toString();
    // The list box draws its rows as plain text; the tooltip must be told.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return ShownText::cut(name);
    if (role == Qt::ToolTipRole)
        return ShownText::toolTip(name);
    return QIdentityProxyModel::data(index, role);
}
