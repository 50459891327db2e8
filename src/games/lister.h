#pragma once

#include <QObject>
#include <QString>

#include <optional>

struct GameSession;

// The Lister: a first-come, first-served queue. The head is warned
// and called forward one at a time; a called player moves to the called list.
class Lister : public QObject
{
    Q_OBJECT

public:
    // The session's link, settings, lists, intake and the rest; the session
    // holds this game too.
    explicit Lister(GameSession &session, QObject *parent = nullptr);

    // "Start": announces a game, looks the host up and opens the queue as
    // the opening mode says.
    void start();
    // "Get Reg": takes in the new registrations.
    void takeInRegistrations();
    // "Say List": reads out the queue, and the called players when asked to.
    void sayList();
    // "Say Next": warns the head of the queue.
    void warnNext();
    // "Call Next": calls the head of the queue forward.
    void callNext();

private:
    void pace();
    // Selects the head of the queue and gives its name; an empty queue gets
    // its answer in the room, and no name.
    std::optional<QString> selectHead();

    GameSession &m_session;
};
