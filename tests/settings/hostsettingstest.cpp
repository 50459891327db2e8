#include "settings/hostsettings.h"

#include "settingstests.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Any change of an item puts the place counter back to "1" and copies the
// rounds the host set (item 9) into the rounds announced (item 8).
void SettingsTest::everyChangeResetsThePlaceCounterAndFollowsRounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");

    // Item 8 starts at "1", out of step with item 9's "10" until the first change.
    QTest::newRow("any item") << int(HostSettings::Symbol) << u"#"_s << 2;
    QTest::newRow("rounds the host sets, copied") << int(HostSettings::Rounds) << u"12"_s << 2;
    QTest::newRow("the copy cannot leave item 9") << int(HostSettings::TotalRounds) << u"3"_s << 2;
    QTest::newRow("the same text is no change") << int(HostSettings::Symbol) << u"$"_s << 0;
}

void SettingsTest::everyChangeResetsThePlaceCounterAndFollowsRounds()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, changes);

    HostSettings settings;
    settings.setPlaceCounter(u"4"_s);
    QSignalSpy spy(&settings, &HostSettings::itemChanged);
    settings.setItem(index, text);

    if (index != HostSettings::TotalRounds)
        QCOMPARE(settings.item(index), text);
    QCOMPARE(settings.placeCounter(), changes ? u"1"_s : u"4"_s);
    QCOMPARE(settings.item(HostSettings::TotalRounds), changes ? settings.item(HostSettings::Rounds) : u"1"_s);
    QCOMPARE(spy.count(), changes);
}

// A check box's click turns its item's "Yes" into "No" and back, whatever
// the box's state ("Yes" turns to "No" as the box is checked); any other
// text, "yes" and "no" too, stays.
void SettingsTest::togglesLookOnlyAtTheItemsText()
{
    const std::pair<HostSettings::Check, int> boxes[] = {
        {HostSettings::Check::Confirmation, HostSettings::ConfirmationYesNo},
        {HostSettings::Check::SayWinnersList, HostSettings::SayWinnersYesNo},
        {HostSettings::Check::SayPrizes, HostSettings::SayPrizesYesNo}};
    for (const auto &[check, item] : boxes) {
        HostSettings settings;
        QStringList seen; // each text after a check, then after an uncheck
        for (const QString &before : {u"No"_s, u"Yes"_s, u"yes"_s, u"no"_s}) {
            settings.setItem(item, before);
            settings.setChecked(check, true);
            seen << settings.item(item);
            settings.setChecked(check, false);
            seen << settings.item(item);
        }
        QCOMPARE(seen, (QStringList{u"Yes"_s, u"No"_s, u"No"_s, u"Yes"_s, u"yes"_s, u"yes"_s, u"no"_s, u"no"_s}));
    }
}

// "Clear" empties every item; "Restore Defults" restores all but the number
// of prizes. Neither touches the check boxes.
void SettingsTest::clearAndRestore()
{
    HostSettings settings;
    settings.setChecked(HostSettings::Check::Confirmation, true);
    settings.clear();
    QCOMPARE(settings.items(), QStringList(HostSettings::kCount));
    QVERIFY(settings.isChecked(HostSettings::Check::Confirmation));

    settings.setItem(HostSettings::PrizeCount, u"3"_s);
    settings.restoreDefaults();
    QCOMPARE(settings.item(HostSettings::PrizeCount), u"3"_s);
    QCOMPARE(settings.item(HostSettings::ConfirmationYesNo), u"No"_s);
    QCOMPARE(settings.item(HostSettings::TotalRounds), u"10"_s);
    QVERIFY(settings.isChecked(HostSettings::Check::Confirmation));
}
