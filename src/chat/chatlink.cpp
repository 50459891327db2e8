#include "chat/chatlink.h"

#include "chat/wadapi.h"
#include "core/ansi.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <cstring>

namespace {

ChatLink *g_active = nullptr;

void WADAPI_CALL statusCallback(const char *status)
{
    if (g_active)
        g_active->onStatus(status);
}

// The client's messages carry nothing the program acts on, but it wants a
// callback for them all the same.
void WADAPI_CALL messageCallback(const char * /*text*/, int16_t /*value*/, const char * /*extra*/) {}

void WADAPI_CALL textCallback(const char *transcript)
{
    if (g_active)
        g_active->onText(transcript);
}

QString fromClient(const char *bytes)
{
    return bytes ? Ansi::decode(QByteArrayView(bytes, static_cast<qsizetype>(std::strlen(bytes)))) : QString();
}

} // namespace

ChatLink::ChatLink(Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_applicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())
{}

ChatLink::~ChatLink()
{
    if (g_active == this)
        g_active = nullptr;
}

qint16 ChatLink::InitDDE()
{
    g_active = this;
    const QByteArray name = Ansi::encode(m_applicationName);
    const qint16 result = ::InitDDE(name.constData(), statusCallback, messageCallback, textCallback);
    m_open = result == 0;
    return result;
}

void ChatLink::KillDDE()
{
    if (!m_open)
        return;
    m_open = false;
    ::KillDDE();
}

template<typename Call>
void ChatLink::withRetries(Call call)
{
    const QByteArray name = Ansi::encode(m_applicationName);
    const qint64 giveUpAt = m_clock.nowMs() + kMaxRetryMs;
    for (int attempt = 0; m_open && attempt < kMaxAttempts; ++attempt) {
        call(name.constData());
        const QString &status = m_linkStatus;
        if (status.isEmpty() || status == u"0" || status == u"-1")
            return;
        if (status == u"10" && m_open)
            ::DapiRegister(name.constData());
        if (m_clock.nowMs() >= giveUpAt)
            return;
    }
}

void ChatLink::Communicate(qint32 mode, const QString &target, const QString &text)
{
    const QByteArray targetBytes = Ansi::encode(target);
    const QByteArray textBytes = Ansi::encode(text);
    // The library takes a 16-bit mode; wider values wrap as they would there.
    const auto narrowMode = static_cast<int16_t>(mode);
    withRetries(
        [&](const char *name) { ::DapiCommunicate(name, narrowMode, targetBytes.constData(), textBytes.constData()); });
}

void ChatLink::SayText(const QString &text)
{
    // Mode 0 ignores the target; the client still expects a name there.
    Communicate(kRoom, QStringLiteral("Belmor"), text);
}

void ChatLink::EspText(const QString &avatar, const QString &text)
{
    Communicate(kEsp, avatar, text);
}

void ChatLink::ReadTranscript()
{
    withRetries([](const char *name) { ::DapiGetAllText(name); });
}

void ChatLink::Pause(double seconds)
{
    if (!(seconds > 0.0) || !m_open)
        return;
    const double ms = std::min(seconds * 1000.0, 1.0e12);
    const qint64 deadline = m_clock.nowMs() + static_cast<qint64>(std::ceil(ms));
    m_clock.waitUntil(deadline, [this] { return !m_open; });
}

bool ChatLink::fetchTranscript(qint64 boundMs)
{
    m_transcript.clear();
    ReadTranscript();
    const qint64 deadline = m_clock.nowMs() + boundMs;
    m_clock.waitUntil(deadline, [this] { return !m_transcript.isEmpty() || !m_open; });
    return !m_transcript.isEmpty();
}

void ChatLink::onStatus(const char *status)
{
    m_linkStatus = fromClient(status);
}

void ChatLink::onText(const char *transcript)
{
    QString text = fromClient(transcript);
    // The client ends its text with four bytes of its own before the NUL.
    const qsizetype nulPosition = text.size() + 1; // 1-based position of the terminating NUL
    if (nulPosition > 5)
        text.truncate(nulPosition - 5);
    while (text.endsWith(u"\r\n"))
        text.chop(2);
    m_transcript = text;
}
