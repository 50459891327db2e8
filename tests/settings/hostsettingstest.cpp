#include "settings/hostsettings.h"

#include "core/filestore.h"
#include "settingstests.h"

#include <QSignalSpy>
#include <QTemporaryDir>
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

namespace {

using Items = QMap<int, QString>;

// Settings.txt holding the design defaults but for the lines given.
QByteArray settingsFile(const QMap<int, QByteArray> &lines)
{
    QByteArray bytes;
    for (int i = 0; i < HostSettings::kCount; ++i)
        bytes += '"' + lines.value(i, HostSettings::designDefault(i).toLatin1()) + "\"\r\n";
    return bytes;
}

} // namespace

// "Ok" writes the twenty items in order, one quoted line each in the code
// page, and start-up reads them back as typed.
void SettingsTest::settingsTxtKeepsTheItemsAsTyped()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    HostSettings settings, loaded;
    settings.setItem(HostSettings::Symbol, QString());
    settings.setItem(HostSettings::Confirmation, u"Hi, \"all\""_s);
    settings.setItem(HostSettings::WelcomeLine, u"Zoë's € games"_s);
    QVERIFY(settings.save(store));
    QCOMPARE(store.read(u"Settings.txt"_s).value_or("<none>"),
             settingsFile({{0, ""}, {1, "Hi, \"\"all\"\""}, {8, "10"}, {17, "Zo\xEB's \x80 games"}}));
    loaded.load(store);
    QCOMPARE(loaded.items(), settings.items());
}

// Start-up takes what Settings.txt has: a line break inside a value becomes a
// blank, what a short or missing file lacks keeps its design default, and the
// rounds announced (item 8) follow the rounds set (item 9). A "Yes" item
// ticks its box and stays "Yes"; "yes" and "no" are left as they are.
void SettingsTest::startUpTakesWhatSettingsTxtHas_data()
{
    QTest::addColumn<QByteArray>("file");    // empty: none at all
    QTest::addColumn<Items>("items");        // those that differ from the design defaults afterwards
    QTest::addColumn<QList<bool>>("checks"); // Confermation?, Say Winners List?, Say Prizes?

    const QList<bool> none{false, false, false};
    QTest::newRow("no file on the first run") << QByteArray() << Items{{8, u"10"_s}} << none;
    QTest::newRow("a short file, a value with line breaks")
        << QByteArray("\"#\"\r\n\"one\r\ntwo\nthree\"\r\n") << Items{{0, u"#"_s}, {1, u"one two three"_s}, {8, u"10"_s}}
        << none;
    QTest::newRow("all three Yes") << settingsFile({{14, "Yes"}, {15, "Yes"}, {16, "Yes"}})
                                   << Items{{8, u"10"_s}, {14, u"Yes"_s}, {15, u"Yes"_s}, {16, u"Yes"_s}}
                                   << QList<bool>{true, true, true};
    QTest::newRow("Confermation only, item 8 gives way to item 9")
        << settingsFile({{8, "3"}, {9, "12"}, {15, "Yes"}}) << Items{{8, u"12"_s}, {9, u"12"_s}, {15, u"Yes"_s}}
        << QList<bool>{true, false, false};
    QTest::newRow("yes and no in other letters")
        << settingsFile({{14, "yes"}, {15, "no"}, {16, "YES"}})
        << Items{{8, u"10"_s}, {14, u"yes"_s}, {15, u"no"_s}, {16, u"YES"_s}} << none;
}

void SettingsTest::startUpTakesWhatSettingsTxtHas()
{
    QFETCH(QByteArray, file);
    QFETCH(Items, items);
    QFETCH(QList<bool>, checks);

    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    if (!file.isEmpty())
        QVERIFY(store.write(u"Settings.txt"_s, file));
    HostSettings settings;
    settings.load(store);

    for (int i = 0; i < HostSettings::kCount; ++i)
        QCOMPARE(settings.item(i), items.value(i, HostSettings::designDefault(i)));
    using Check = HostSettings::Check;
    QCOMPARE((QList<bool>{settings.isChecked(Check::Confirmation), settings.isChecked(Check::SayWinnersList),
                          settings.isChecked(Check::SayPrizes)}),
             checks);
}
