#pragma once

#include <QObject>
#include <QStringList>

struct GameSession;

// The raffle: a game is opened, players register, winners are drawn at
// random round after round and the lists and prizes are read out.
class Raffle : public QObject
{
    Q_OBJECT

public:
    // The session's link, settings, prizes, lists, intake, picker, seal and
    // the rest; the session holds this game too.
    explicit Raffle(GameSession &session, QObject *parent = nullptr);

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

    GameSession &m_session;
};
