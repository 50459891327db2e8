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

    QString Text1;                       // index of the last raffle winner at its pick
    QString Text2;                       // name of the last raffle winner
    QString Text3 = QStringLiteral("0"); // presses of "Draw" since the last fresh game
};
