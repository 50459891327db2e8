#pragma once

#include "games/registrationscan.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class ChatLink;
class HostSettings;
class Tokenizer;
struct PlayerLists;

// Takes players in from the transcript: every new "ESP from" sender whose
// text starts with the registration symbol enters the ledger, the raffle's
// players and the Lister's queue, and gets the confirmation ESP when
// "Confermation?" is ticked. Also learns which avatar is the host.
class RegistrationIntake : public QObject
{
    Q_OBJECT

public:
    // How long a "Get Reg" or a Start waits for the chat client's text.
    static constexpr qint64 kTranscriptWaitMs = 5000;

    RegistrationIntake(ChatLink &link, HostSettings &settings, PlayerLists &lists, Tokenizer &tokenizer,
                       QObject *parent = nullptr);

    // The host's avatar name; empty until a marker line reveals it.
    QString host() const { return m_host; }
    void setHost(const QString &host) { m_host = host; }

    // Reads a fresh transcript and takes in the new registrations: who came
    // in, by which line, and who was refused as registered already (only
    // those not registered yet at the last scan). When no text arrives within
    // the wait, nothing is scanned.
    std::optional<RegistrationScan::Found> ScanRegistrations();
    // The avatar who said the marker becomes the host and enters the ledger.
    void FindHost(const QString &text);
    // The host look-up of the Lister's Start, on the transcript the link
    // holds: the marker's speaker may become the host; the newest banner in a
    // line of the host's empties the transcript, and without one the host
    // enters the ledger once more.
    void GetHost();

private:
    ChatLink &m_link;
    HostSettings &m_settings;
    PlayerLists &m_lists;
    Tokenizer &m_tokenizer;
    QString m_host;
    QSet<QString> m_registeredAtLastScan;
};
