#include "playerlisttest.h"

#include "core/playerlist.h"

#include <QTest>

using namespace Qt::StringLiterals;

void PlayerListTest::addsAtTheRightPlace_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("sorted, ignoring case") << true << QStringList{u"bob"_s, u"Ann"_s, u"Cy"_s, u"al"_s}
                                           << QStringList{u"al"_s, u"Ann"_s, u"bob"_s, u"Cy"_s};
    QTest::newRow("equal names keep their order, duplicates stand twice")
        << true << QStringList{u"bob"_s, u"Bob"_s, u"a"_s, u"bob"_s}
        << QStringList{u"a"_s, u"bob"_s, u"Bob"_s, u"bob"_s};
    QTest::newRow("order of addition") << false << QStringList{u"Zed"_s, u"Amy"_s, u"Zed"_s}
                                       << QStringList{u"Zed"_s, u"Amy"_s, u"Zed"_s};
}

void PlayerListTest::addsAtTheRightPlace()
{
    QFETCH(bool, sorted);
    QFETCH(QStringList, added);
    QFETCH(QStringList, shown);

    PlayerList list(u"List"_s, sorted ? PlayerList::Order::Sorted : PlayerList::Order::Added);
    for (const QString &name : added)
        list.add(name);
    QCOMPARE(list.names(), shown);
    QCOMPARE(list.data(list.index(shown.size() - 1), Qt::DisplayRole).toString(), shown.last());
}

void PlayerListTest::selectionStaysOnItsEntry()
{
    PlayerList list(u"lstAvatars"_s, PlayerList::Order::Sorted);
    list.add(u"Bo"_s);
    list.add(u"Dee"_s);
    list.setSelected(1);
    list.add(u"Al"_s); // lands before the selected entry
    QCOMPARE(list.selectedName(), u"Dee"_s);
    list.removeAt(0);
    QCOMPARE(list.selectedName(), u"Dee"_s);
    list.removeAt(list.selected());
    QCOMPARE(list.selected(), -1);
    list.setSelected(5); // past the end selects nothing
    QCOMPARE(list.selected(), -1);
}

void PlayerListTest::comparesNames()
{
    PlayerList list(u"List2"_s, PlayerList::Order::Sorted);
    list.add(u"Corvane"_s);
    QVERIFY(list.contains(u"Corvane"_s));
    QVERIFY(!list.contains(u"corvane"_s));
    QVERIFY(list.containsIgnoringCase(u"CORVANE"_s));
    QVERIFY(!list.containsIgnoringCase(u"Corvan"_s));
}
