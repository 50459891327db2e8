#include "chat/registrationintake.h"

#include "chat/chatlink.h"
#include "chat/registrationscan.h"
#include "chat/tokenizer.h"
#include "chat/transcripttext.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "settings/hostsettings.h"

using namespace TranscriptText;

namespace {

constexpr char16_t kBanner[] = u"*** Starting New Game ***";

} // namespace

RegistrationIntake::RegistrationIntake(ChatLink &link, HostSettings &settings, PlayerLists &lists, Tokenizer &tokenizer,
                                       QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_settings(settings)
    , m_lists(lists)
    , m_tokenizer(tokenizer)
{}

void RegistrationIntake::ScanRegistrations()
{
    if (!m_link.fetchTranscript(kTranscriptWaitMs))
        return;
    const QString transcript = m_link.Transcript();
    QSet<QString> registered(m_lists.ledger.names().cbegin(), m_lists.ledger.names().cend());
    const QStringList names = RegistrationScan::newRegistrations(transcript, m_settings.item(HostSettings::Symbol),
                                                                 m_host, registered);
    for (const QString &name : names) {
        m_lists.ledger.add(name);
        if (m_settings.isChecked(HostSettings::Check1))
            m_link.EspText(name, m_settings.item(HostSettings::Confirmation));
        m_lists.players.add(name);
        m_lists.queue.add(name);
    }
}

void RegistrationIntake::FindHost(const QString &text)
{
    // An empty text would make the shared tokenizer go on with the rest of an
    // earlier walk, a macro's for instance, and find a host in it.
    if (text.isEmpty())
        return;
    static const QString marker = QStringLiteral(": ") + QString::fromUtf16(kHostMarker);
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

QString RegistrationIntake::GetHost()
{
    FindHost(m_link.Transcript());
    const QString transcript = m_link.Transcript();

    // The newest banner in a line of the host's.
    qsizetype at = transcript.lastIndexOf(QStringView(kBanner));
    qsizetype lineStart = 0;
    while (at >= 0) {
        const qsizetype previousEnd = at == 0 ? -1 : transcript.lastIndexOf(QStringView(kLineEnd), at - 1);
        lineStart = previousEnd < 0 ? 0 : previousEnd + 2;
        const qsizetype lineEnd = transcript.indexOf(QStringView(kLineEnd), at);
        const QStringView line =
            QStringView(transcript).sliced(lineStart, (lineEnd < 0 ? transcript.size() : lineEnd) - lineStart);
        if (isHostsRoomLine(line, m_host))
            break;
        at = at == 0 ? -1 : transcript.lastIndexOf(QStringView(kBanner), at - 1);
    }
    if (at < 0) {
        m_lists.ledger.add(m_host);
        return m_host;
    }
    // The speaker of the banner's line. ESP lines never count, so the result
    // is never an "ESP from" text.
    const qsizetype lineEnd = transcript.indexOf(QStringView(kLineEnd), at);
    const QString speaker =
        speakerOf(QStringView(transcript).sliced(lineStart, (lineEnd < 0 ? transcript.size() : lineEnd) - lineStart))
            .toString();
    m_link.setTranscript(QString());
    return speaker;
}

void RegistrationIntake::cmdGetText_Click(WindowInput &input, Recovery &recovery)
{
    input.disable();
    ScanRegistrations();
    recovery.WriteRecovery();
    input.enable();
}

void RegistrationIntake::Command9_Click(WindowInput &input)
{
    input.disable();
    ScanRegistrations();
    input.enable();
}
