#pragma once

#include "support/listtext.h"

#include <QObject>

// Both games as the host plays them, operation by operation, and what the
// host does by hand: colours for players, and edits of the lists.
class GameTest : public QObject
{
    Q_OBJECT

private slots:
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
