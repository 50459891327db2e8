#pragma once

#include <QObject>
#include <QStringList>

class Announcements;
class ChatLink;
class ColourCaller;
class DrawSeal;
class HostSettings;
class JournalWriter;
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
        JournalWriter &journal;
        DrawSeal &seal;
    };

    explicit Raffle(const Parts &parts, QObject *parent = nullptr);

    // "Start": announces a game, learns the host and opens the lists as the
    // opening mode says.
    void start();
    // "Get Reg": takes in the new registrations and saves the lists.
    void takeInRegistrations();
    // "Draw": the next round, with "# of Draws" winners drawn at random.
    void draw();
    // "Round #": says the round, out of how many.
    void announceRound();
    // "Say List": reads out the players, and the winners when asked to.
    void sayList();
    // Says the sealed game's key, so the room can check every sealed draw;
    // the next Start seals anew. Nothing when no key is held.
    void revealSealKey();

private:
    // The winners drawn, in order.
    QStringList drawWinners();
    void pace();
    void noMoreNames();
    // The prize of the current press of "Draw"; empty when the counter
    // names no prize box.
    QString currentPrize() const;

    Parts m_parts;
};
