#include "games/announcements.h"

#include "chat/chatlink.h"
#include "chat/pacing.h"
#include "chat/registrationintake.h"
#include "core/numbertext.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

Announcements::Announcements(ChatLink &link, HostSettings &settings, PrizeList &prizes, RegistrationIntake &intake)
    : m_link(link)
    , m_settings(settings)
    , m_prizes(prizes)
    , m_intake(intake)
{}

QString Announcements::invitation() const
{
    return QStringLiteral("Please send me ") + m_intake.txtHost() + QStringLiteral(" a ")
        + m_settings.item(HostSettings::Symbol) + QStringLiteral(" to get on the list");
}

void Announcements::CallForRegistrations()
{
    m_link.SayText(QStringLiteral("*** Starting a New Game ***"));
    pacingPause(m_link, m_settings);
    m_link.SayText(invitation());
}

void Announcements::Closing()
{
    const std::pair<const char16_t *, double> countdown[] = {{u"*** Registration is Closing in 10 ***", 5.0},
                                                             {u"** 5 **", 1.0},
                                                             {u"** 4 **", 1.0},
                                                             {u"** 3 **", 1.0},
                                                             {u"** 2 **", 1.0},
                                                             {u"** 1 **", 1.0},
                                                             {u"** Sorry registartion is now closed **", 1.0}};
    for (const auto &[line, seconds] : countdown) {
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
    m_link.SayText(QStringLiteral("*** End of List ***"));
}

QString Announcements::Text5(int k)
{
    static const char16_t *const suffixes[] = {u"st", u"nd", u"rd"};
    return QString::fromUtf16(k >= 0 && k < 3 ? suffixes[k] : u"th");
}

void Announcements::SayPrizes()
{
    m_link.SayText(m_settings.item(HostSettings::FirstLineOfPrizes));
    const auto placeLine = [this](int k) {
        return m_settings.Text6() + Text5(k) + QStringLiteral(" Place ") + m_prizes.prize(k);
    };
    const double places = NumberText::leadingNumber(m_settings.item(HostSettings::PrizeCount));
    if (places == 1.0) {
        m_link.SayText(placeLine(0));
    } else {
        // Only the ten places that have a prize box are announced.
        const qint64 last = std::min<qint64>(NumberText::roundHalfEven(places - 1.0), PrizeList::kCount - 1);
        for (int k = 0; k <= last; ++k) {
            m_link.SayText(placeLine(k));
            m_settings.setText6(NumberText::raised(m_settings.Text6()));
        }
    }
    m_settings.setText6(QStringLiteral("1"));
}
