#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

// One of the five lists of avatar names the games keep. A sorted list puts
// an added name at its alphabetical place, ignoring case, after any equal
// names; the other lists keep the order of addition. Names may stand twice.
// One entry is selected, or none. The list is also the model behind the
// window's list box, which shows it through ShownNames.
class PlayerList : public QAbstractListModel
{
    Q_OBJECT

public:
    enum class Order { Sorted, Added };

    // name: the list's control name, which the recovery file uses as its tag.
    PlayerList(const QString &name, Order order, QObject *parent = nullptr);

    QString name() const { return objectName(); }
    int count() const { return static_cast<int>(m_names.size()); }
    bool isEmpty() const { return m_names.isEmpty(); }
    QString at(int index) const { return m_names.at(index); }
    const QStringList &names() const { return m_names; }

    // Adds the name at its place; returns the index it took.
    int add(const QString &name);
    void removeAt(int index);
    void clear();

    // The selected entry's index, or -1 for none.
    int selected() const { return m_selected; }
    void setSelected(int index);
    // The selected entry's text; empty when none is selected.
    QString selectedName() const;

    // True when an entry equals the name exactly, case and all.
    bool contains(const QString &name) const;
    // True when an entry equals the name compared in lower case.
    bool containsIgnoringCase(const QString &name) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    void selectionChanged(int index);

private:
    int placeFor(const QString &name) const;

    Order m_order;
    QStringList m_names;
    int m_selected = -1;
};
