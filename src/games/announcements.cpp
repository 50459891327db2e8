#include "games/announcements.h"

#include "chat/chatlink.h"
#include "core/numbertext.h"
#include "games/journalentries.h"
#include "games/pacing.h"
#include "games/registrationintake.h"
#include "games/roomlines.h"
#include "journal/journalwriter.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

Announcements::Announcements(ChatLink &link, HostSettings &settings, PrizeList &prizes, RegistrationIntake &intake,
                             JournalWriter &journal)
    : m_link(link)
    , m_settings(settings)
    , m_prizes(prizes)
    , m_intake(intake)
    , m_journal(journal)
{}

QString Announcements::invitation() const
{
    return RoomLines::invitation(m_intake.host(), m_settings.item(HostSettings::Symbol));
}

void Announcements::callForRegistrations()
{
    m_link.SayText(QString::fromUtf16(RoomLines::kNewGame));
    pacingPause(m_link, m_settings);
    m_link.SayText(invitation());
}

void Announcements::countDown()
{
    for (const auto &[line, seconds] : RoomLines::kCountdown) {
        m_link.SayText(QString::fromUtf16(line));
        m_link.Pause(seconds);
    }
}

void Announcements::sayList(const QString &headline, const QStringList &names)
{
    m_link.SayText(headline);
    for (const QString &name : names) {
        pacingPause(m_link, m_settings);
        m_link.SayText(name);
        pacingPause(m_link, m_settings);
    }
    m_link.SayText(QString::fromUtf16(RoomLines::kEndOfList));
}

void Announcements::sayPrizes()
{
    m_link.SayText(m_settings.item(HostSettings::FirstLineOfPrizes));
    const auto placeLine = [this](int k) { return RoomLines::place(m_settings.placeCounter(), k, m_prizes.prize(k)); };
    const double places = NumberText::leadingNumber(m_settings.item(HostSettings::PrizeCount));
    qint64 said = 1;
    if (places == 1.0) {
        m_link.SayText(placeLine(0));
    } else {
        // Only the ten places that have a prize box are announced.
        const qint64 last = std::min<qint64>(NumberText::roundHalfEven(places - 1.0), PrizeList::kCount - 1);
        for (int k = 0; k <= last; ++k) {
            m_link.SayText(placeLine(k));
            m_settings.setPlaceCounter(NumberText::raised(m_settings.placeCounter()));
        }
        said = std::max<qint64>(last + 1, 0);
    }
    m_settings.setPlaceCounter(QStringLiteral("1"));
    m_journal.append(JournalEntries::sayPrizes(said));
}
