#include "games/registrationintake.h"

#include "chat/chatlink.h"
#include "chat/tokenizer.h"
#include "chat/transcripttext.h"
#include "core/playerlists.h"
#include "games/roomlines.h"
#include "settings/hostsettings.h"

using namespace TranscriptText;

RegistrationIntake::RegistrationIntake(ChatLink &link, HostSettings &settings, PlayerLists &lists, Tokenizer &tokenizer,
                                       QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_settings(settings)
    , m_lists(lists)
    , m_tokenizer(tokenizer)
{}

std::optional<RegistrationScan::Found> RegistrationIntake::ScanRegistrations()
{
    if (!m_link.fetchTranscript(kTranscriptWaitMs))
        return std::nullopt;
    const QString transcript = m_link.Transcript();
    QSet<QString> registered(m_lists.ledger.names().cbegin(), m_lists.ledger.names().cend());
    RegistrationScan::Found found = RegistrationScan::scan(transcript, m_settings.item(HostSettings::Symbol), m_host,
                                                           registered);
    // Every press sees the whole game's registrations again; a name that was
    // registered at the last press already is no news, and repeating it each
    // time would make the record grow with the square of the evening.
    found.refused.removeIf([this](const QString &name) { return m_registeredAtLastScan.contains(name); });
    for (const auto &[name, line] : found.taken) {
        m_lists.ledger.add(name);
        if (m_settings.isChecked(HostSettings::Check::Confirmation))
            m_link.EspText(name, m_settings.item(HostSettings::Confirmation));
        m_lists.players.add(name);
        m_lists.queue.add(name);
    }
    m_registeredAtLastScan = QSet<QString>(m_lists.ledger.names().cbegin(), m_lists.ledger.names().cend());
    return found;
}

void RegistrationIntake::FindHost(const QString &text)
{
    // An empty text would make the shared tokenizer go on with the rest of an
    // earlier walk, a macro's for instance, and find a host in it.
    if (text.isEmpty())
        return;
    static const QString marker = QStringLiteral(": ") + QString::fromUtf16(RoomLines::kHostMarker);
    // The host known before this look-up; while it is, only its own lines count.
    const QString knownHost = m_host;
    for (QString line = m_tokenizer.GetToken(text, QString::fromUtf16(kLineEnd)); !line.isEmpty();
         line = m_tokenizer.GetToken(QString(), QString::fromUtf16(kLineEnd))) {
        if (isEspLine(line))
            continue; // an ESP never makes anybody the host
        const qsizetype at = line.indexOf(marker);
        if (at < 1)
            continue;
        const QString speaker = line.left(at);
        if (!knownHost.isEmpty() && speaker != knownHost)
            continue;
        if (speaker != u"<system>" && !m_lists.ledger.containsIgnoringCase(speaker)) {
            m_host = speaker;
            m_lists.ledger.add(speaker);
        }
    }
}

void RegistrationIntake::GetHost()
{
    FindHost(m_link.Transcript());
    const QString transcript = m_link.Transcript();
    const QStringView banner(RoomLines::kLookedUpBanner);

    // The newest banner in a line of the host's (never an ESP line).
    for (qsizetype at = transcript.lastIndexOf(banner); at >= 0;
         at = at == 0 ? -1 : transcript.lastIndexOf(banner, at - 1)) {
        if (isHostsRoomLine(lineAt(transcript, startOfLine(transcript, at)), m_host)) {
            m_link.setTranscript(QString());
            return;
        }
    }
    m_lists.ledger.add(m_host);
}
