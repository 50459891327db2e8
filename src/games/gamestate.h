#pragma once

#include <QString>

// What the two games share besides the player lists: the opening mode of
// their Start buttons and the raffle's counters, kept as the text the
// host's boxes held.
struct GameState
{
    // The option buttons "Clear List" (Option1) and "Reset List" (Option2);
    // neither need be chosen.
    enum class Opening { Neither, ClearList, ResetList };
    Opening opening = Opening::Neither;

    QString lastPickIndex;                     // Text1: where the last winner stood at its pick
    QString lastWinner;                        // Text2: the last raffle winner
    QString drawCounter = QStringLiteral("0"); // Text3: presses of "Draw" since the last fresh game
};
