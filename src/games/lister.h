#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Announcements;
class ChatLink;
class ColourCaller;
class HostSettings;
class JournalWriter;
class Recovery;
class RegistrationIntake;
class WindowInput;
struct GameState;
struct PlayerLists;

// The Lister: a first-come, first-served queue. The head is warned
// and called forward one at a time; a called player moves to the called list.
class Lister : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        ChatLink &link;
        HostSettings &settings;
        PlayerLists &lists;
        RegistrationIntake &intake;
        Recovery &recovery;
        WindowInput &input;
        ColourCaller &colours;
        GameState &state;
        Announcements &announcements;
        JournalWriter &journal;
    };

    explicit Lister(const Parts &parts, QObject *parent = nullptr);

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

    Parts m_parts;
};
