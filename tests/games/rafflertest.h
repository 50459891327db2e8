#pragma once

#include <QObject>

class RafflerTest : public QObject
{
    Q_OBJECT

private slots:
    void startOpensAGameInEachMode_data();
    void startOpensAGameInEachMode();
    void drawsWinners_data();
    void drawsWinners();
    void everyNameHasTheSameChance();
    void roundIsAnnouncedAsItStands();
    void saysTheListWithTwoPausesBetweenNames_data();
    void saysTheListWithTwoPausesBetweenNames();
    void saysThePrizes_data();
    void saysThePrizes();
    void closingCountsDownOnFixedPauses();
    void aClickDuringAPauseKeepsListsAndFileWhole();
};
