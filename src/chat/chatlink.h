#pragma once

#include "chat/clock.h"

#include <QObject>
#include <QString>

// The only road to the chat client: says lines into the room, sends ESPs,
// reads the chat window's text back and spaces lines out with pauses.
//
// The client's library reports through plain C callbacks without a context
// pointer, so one link at a time is the active one that receives them.
class ChatLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRoom = 0; // mode of DapiCommunicate: say in the room
    static constexpr int kEsp = 2;  // mode of DapiCommunicate: ESP to the target

    // A call is retried while the client answers "busy" or "not registered",
    // but never longer than this, so a client that keeps refusing cannot
    // freeze the program. Giving up is silent, as a "-1" is.
    static constexpr int kMaxAttempts = 50;
    static constexpr qint64 kMaxRetryMs = 5000;

    explicit ChatLink(Clock &clock, QObject *parent = nullptr);
    ~ChatLink() override;

    // Opens the link with the program's name and the three callbacks; the
    // library's result, zero meaning success.
    qint16 InitDDE();
    // Closes the link once; every later call does nothing, and pauses and
    // waits in progress end at once so the program can shut down.
    void KillDDE();
    bool isOpen() const { return m_open; }

    void Communicate(qint32 mode, const QString &target, const QString &text);
    void SayText(const QString &text);
    void EspText(const QString &avatar, const QString &text);
    void ReadTranscript();

    // Waits the given seconds while the event loop keeps running. Zero or
    // less returns at once without running any event.
    void Pause(double seconds);

    // Empties the transcript, asks for a fresh copy and lets the event loop
    // run until it arrives, the bound has passed or the link is closed.
    // True when a non-empty transcript is there.
    bool fetchTranscript(qint64 boundMs);

    const QString &LinkStatus() const { return m_linkStatus; }
    const QString &Transcript() const { return m_transcript; }
    void setTranscript(const QString &text) { m_transcript = text; }

    QString applicationName() const { return m_applicationName; }
    Clock &clock() { return m_clock; }

    // The callbacks' work, public so that any test can drive them directly.
    void onStatus(const char *status);
    void onText(const char *transcript);

private:
    template<typename Call>
    void withRetries(Call call);

    Clock &m_clock;
    QString m_applicationName;
    QString m_linkStatus;
    QString m_transcript;
    bool m_open = false;
};
