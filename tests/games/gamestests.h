#pragma once

#include "support/listtext.h"

#include <QObject>

// Both games as the host plays them from their panels, and what the host
// does by hand: colours for players, and the lists' pop-up menus.
class GameTest : public QObject
{
    Q_OBJECT

private slots:
    void eachButtonSpeaksOnTime_data();
    void eachButtonSpeaksOnTime();
    void drawsWinners_data();
    void drawsWinners();
    void aStartWithoutATranscriptKeepsTheHost_data();
    void aStartWithoutATranscriptKeepsTheHost();
    void theFirstRunAnnouncesTheRoundsSet();
    void everyNameHasTheSameChance();
    void saysThePrizes_data();
    void saysThePrizes();
    void coloursFollowTheHost_data();
    void coloursFollowTheHost();
    void editsFromAListsMenuActOnThatList_data();
    void editsFromAListsMenuActOnThatList();
};
