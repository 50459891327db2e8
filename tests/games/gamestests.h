#pragma once

#include "support/listtext.h"

#include <QObject>

// How players are taken in from the transcript and how the host is found,
// the pause between the games' lines, both games as the host plays them,
// operation by operation, and what the host does by hand: colours for
// players, and edits of the lists.
class GameTest : public QObject
{
    Q_OBJECT

private slots:
    void pausesForTheDelaySetting_data();
    void pausesForTheDelaySetting();
    void takesInTheRightPlayers_data();
    void takesInTheRightPlayers();
    void getHostLooksForTheBanner_data();
    void getHostLooksForTheBanner();
    void getRegTakesEachNewPlayerOnce_data();
    void getRegTakesEachNewPlayerOnce();

    void eachOperationSpeaksOnTime_data();
    void eachOperationSpeaksOnTime();
    void drawsWinners_data();
    void drawsWinners();
    void aStartWithoutATranscriptKeepsTheHost_data();
    void aStartWithoutATranscriptKeepsTheHost();
    void everyNameHasTheSameChance();
    void saysThePrizes_data();
    void saysThePrizes();
    void coloursFollowTheHost_data();
    void coloursFollowTheHost();
    void handEditsActOnTheSelectedEntry_data();
    void handEditsActOnTheSelectedEntry();
};
