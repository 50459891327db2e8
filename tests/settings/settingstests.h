#pragma once

#include <QObject>

// The settings table, what a change of an item or a check box sets off,
// Settings.txt, and the ten prizes with Prizes.txt.
class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeResetsThePlaceCounterAndFollowsRounds_data();
    void everyChangeResetsThePlaceCounterAndFollowsRounds();
    void togglesLookOnlyAtTheItemsText();
    void clearAndRestore();
    void settingsTxtKeepsTheItemsAsTyped();
    void startUpTakesWhatSettingsTxtHas_data();
    void startUpTakesWhatSettingsTxtHas();
    void prizesAreReadWholeAndSavedWhenTheScrollBarMoves();
};
