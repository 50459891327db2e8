#pragma once

#include <QString>
#include <QStringList>

class ChatLink;
class HostSettings;
class PrizeList;
class RegistrationIntake;

// What both games say the same way: the call for registrations, the
// closing countdown and the prize announcement.
class Announcements
{
public:
    // The host's web address, said when a game starts.
    static constexpr char16_t kWebAddress[] = u"http://www.corvanes-games.example";

    Announcements(ChatLink &link, HostSettings &settings, PrizeList &prizes, RegistrationIntake &intake);

    // "Please send me " host " a " symbol " to get on the list"
    QString invitation() const;

    // "Call 4 Reg": the banner again and the invitation.
    void CallForRegistrations();
    // "Closing": a ten-second countdown with fixed pauses.
    void Closing();
    // "Say Prizes": the opening line and one line per place.
    void SayPrizes();

    // A headline, every name with a pacing pause before and after it, and
    // "*** End of List ***": the read-out of both games' "Say List".
    void sayList(const QString &headline, const QStringList &names);

    // The suffix of place k + 1, "st" for k = 0 ("Text5").
    static QString Text5(int k);

private:
    ChatLink &m_link;
    HostSettings &m_settings;
    PrizeList &m_prizes;
    RegistrationIntake &m_intake;
};
