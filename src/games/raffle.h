#pragma once

#include <QObject>

class Announcements;
class ChatLink;
class ColourCaller;
class HostSettings;
class PrizeList;
class Recovery;
class RegistrationIntake;
class WindowInput;
class WinnerPicker;
struct GameState;
struct PlayerLists;

// The raffle: a game is opened, players register, winners are drawn at
// random round after round and the lists and prizes are read out.
class Raffle : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        ChatLink &link;
        HostSettings &settings;
        PrizeList &prizes;
        PlayerLists &lists;
        RegistrationIntake &intake;
        Recovery &recovery;
        WindowInput &input;
        ColourCaller &colours;
        GameState &state;
        Announcements &announcements;
        WinnerPicker &picker;
    };

    explicit Raffle(const Parts &parts, QObject *parent = nullptr);

    void cmdStart_Click(); // "Start"
    void Command3_Click(); // "Draw"
    void DrawWinners();
    void Command13_Click(); // "Round #"
    void Command1_Click();  // "Say List"

private:
    void pace();
    void noMoreNames();
    // The prize of the current press of "Draw"; empty when the counter
    // names no prize box.
    QString currentPrize() const;

    Parts m_parts;
};
