#pragma once

#include <QIdentityProxyModel>

// A player list as its list box shows it: each name as plain text, cut when
// very long, with a tooltip that shows it character for character. The
// list itself keeps the names whole.
class ShownNames : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override;
};
