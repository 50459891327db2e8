#include "hostsettingstest.h"

#include "settings/hostsettings.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

void HostSettingsTest::everyChangeResetsThePlaceCounterAndFollowsRounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");

    // Item 8 starts at "1", out of step with item 9's "10" until the first change.
    QTest::newRow("symbol") << int(HostSettings::Symbol) << u"#"_s << 2;
    QTest::newRow("rounds the host sets, copied") << int(HostSettings::Rounds) << u"12"_s << 2;
    QTest::newRow("the round, as the draw raises it") << int(HostSettings::Round) << u"2"_s << 2;
    QTest::newRow("the copy cannot leave item 9") << int(HostSettings::TotalRounds) << u"3"_s << 2;
    QTest::newRow("the same text is no change") << int(HostSettings::Symbol) << u"$"_s << 0;
}

void HostSettingsTest::everyChangeResetsThePlaceCounterAndFollowsRounds()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, changes);

    HostSettings settings;
    settings.setText6(u"4"_s);
    QSignalSpy spy(&settings, &HostSettings::itemChanged);
    settings.setItem(index, text);

    if (index != HostSettings::TotalRounds)
        QCOMPARE(settings.item(index), text);
    QCOMPARE(settings.Text6(), changes ? u"1"_s : u"4"_s);
    QCOMPARE(settings.item(HostSettings::TotalRounds), changes ? settings.item(HostSettings::Rounds) : u"1"_s);
    QCOMPARE(spy.count(), changes);

    // Once in step, a change elsewhere writes item 8 no more.
    settings.setItem(HostSettings::WelcomeLine, u"Hi"_s);
    spy.clear();
    settings.setItem(HostSettings::WelcomeLine, u"Hello"_s);
    QCOMPARE(spy.count(), 1);
}

void HostSettingsTest::togglesLookOnlyAtTheItemsText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<bool>>("clicks"); // the box's state after each click
    QTest::addColumn<QString>("after");

    QTest::newRow("yes, unchecked by a click") << u"Yes"_s << QList<bool>{false} << u"No"_s;
    QTest::newRow("no, checked by a click") << u"No"_s << QList<bool>{true} << u"Yes"_s;
    QTest::newRow("two clicks") << u"Yes"_s << QList<bool>{true, false} << u"Yes"_s;
    QTest::newRow("cleared item stays empty") << QString() << QList<bool>{true, false, true} << QString();
    QTest::newRow("case matters") << u"yes"_s << QList<bool>{true} << u"yes"_s;
}

void HostSettingsTest::togglesLookOnlyAtTheItemsText()
{
    QFETCH(QString, before);
    QFETCH(QList<bool>, clicks);
    QFETCH(QString, after);

    for (const HostSettings::Check check : {HostSettings::Check1, HostSettings::Check2, HostSettings::Check3}) {
        HostSettings settings;
        const int item = HostSettings::itemOf(check);
        settings.setItem(item, before);
        if (!clicks.isEmpty() && !clicks.first())
            settings.setChecked(check, true); // a box must be checked before a click can clear it
        settings.setItem(item, before);
        for (const bool state : clicks)
            settings.setChecked(check, state);
        QCOMPARE(settings.item(item), after);
        QCOMPARE(settings.isChecked(check), clicks.last());
    }
}

void HostSettingsTest::clearAndRestore()
{
    HostSettings settings;
    settings.setChecked(HostSettings::Check1, true);
    settings.setItem(HostSettings::PrizeCount, u"3"_s);

    settings.clear();
    for (int i = 0; i < HostSettings::kCount; ++i)
        QCOMPARE(settings.item(i), QString());
    QVERIFY(settings.isChecked(HostSettings::Check1));

    settings.setItem(HostSettings::PrizeCount, u"3"_s);
    settings.setText6(u"5"_s);
    settings.restoreDefaults();
    QCOMPARE(settings.item(HostSettings::Confirmation), u"You are on the List"_s);
    QCOMPARE(settings.item(HostSettings::PrizeCount), u"3"_s);
    QCOMPARE(settings.item(HostSettings::SayPrizesYesNo), u"No"_s);
    QCOMPARE(settings.item(HostSettings::ConfirmationYesNo), u"No"_s);
    QCOMPARE(settings.item(HostSettings::TotalRounds), u"10"_s);
    QCOMPARE(settings.Text6(), u"1"_s);
    QVERIFY(settings.isChecked(HostSettings::Check1)); // the boxes keep their state
}
