#pragma once

#include <QString>
#include <QStringList>

class ChatLink;
class HostSettings;
class JournalWriter;
class PrizeList;
class RegistrationIntake;

// What both games say the same way: the invitation, the call for
// registrations, the closing countdown, the list read-outs and the prizes.
class Announcements
{
public:
    Announcements(ChatLink &link, HostSettings &settings, PrizeList &prizes, RegistrationIntake &intake,
                  JournalWriter &journal);

    // The invitation to register, naming the host and the symbol as they stand.
    QString invitation() const;

    // "Call 4 Reg": the banner again and the invitation.
    void callForRegistrations();
    // "Closing": a ten-second countdown with fixed pauses.
    void countDown();
    // "Say Prizes": the opening line and one line per place.
    void sayPrizes();

    // A headline, every name with a pacing pause before and after it, and
    // the end line: the read-out of both games' "Say List".
    void sayList(const QString &headline, const QStringList &names);

private:
    ChatLink &m_link;
    HostSettings &m_settings;
    PrizeList &m_prizes;
    RegistrationIntake &m_intake;
    JournalWriter &m_journal;
};
