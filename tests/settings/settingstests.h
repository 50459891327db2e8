#pragma once

#include <QObject>

// The settings table, what a change of an item or a check box sets off, and
// the ten prizes with Prizes.txt.
class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeResetsThePlaceCounterAndFollowsRounds_data();
    void everyChangeResetsThePlaceCounterAndFollowsRounds();
    void togglesLookOnlyAtTheItemsText();
    void clearAndRestore();
    void prizesAreReadWholeAndSavedWhenTheScrollBarMoves();
};
