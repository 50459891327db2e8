// The transcript operations, the registration scan and the host look-ups on
// arbitrary transcripts. Small inputs are also checked against the literal
// scan: the two must agree. The whole intake then takes the same bytes from
// the scripted chat client and must fill the lists as the scan says.
#include "chat/chatlink.h"
#include "chat/tokenizer.h"
#include "chat/transcripttext.h"
#include "core/ansi.h"
#include "core/playerlists.h"
#include "fuzzcheck.h"
#include "games/registrationintake.h"
#include "literalscan.h"
#include "scriptedwadapi.h"
#include "settings/hostsettings.h"

#include <QCoreApplication>

#include <algorithm>

using namespace TranscriptText;

namespace {

class NoClock final : public Clock
{
public:
    qint64 nowMs() override { return 0; }
    QTime timeOfDay() override { return {}; }
    void waitUntil(qint64, const std::function<bool()> &) override {}
};

// The sender and the message of every line of the text.
void checkLines(const QString &text)
{
    for (const QString &line : text.split(QString::fromUtf16(kLineEnd))) {
        const QString sender = GetSender(line);
        check(!sender.contains(u": ") && !sender.startsWith(u' ') && !sender.endsWith(u' '));
        check(line.contains(sender));
        const QStringView message = GetMessage(line);
        check(QStringView(line).endsWith(message) && message.size() < std::max<qsizetype>(line.size(), 1));
    }
}

// A walk over the text with GetToken gives back every piece between delimiters.
void checkTokens(const QString &text, const QString &delimiter)
{
    if (text.isEmpty())
        return;
    Tokenizer tokenizer;
    QString joined = tokenizer.GetToken(text, delimiter);
    while (joined.size() < text.size())
        joined += delimiter + tokenizer.GetToken(QString(), delimiter);
    check(joined == text);
    check(tokenizer.GetToken(QString(), delimiter).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the symbol, whether the host is known, the
    // confirmation ESP, the delimiter of the token walk and how the client
    // ends its text.
    const char16_t symbols[] = {u'$', u'#', u'S', u' '};
    const QString symbol = (data[0] & 4) ? QString() : QString(QChar(symbols[data[0] & 3]));
    const QString host = (data[0] & 8) ? QStringLiteral("Host") : QString();
    const bool confirm = data[0] & 16;
    const QString delimiters[] = {QString::fromUtf16(kLineEnd), QStringLiteral(": "), QStringLiteral(","),
                                  QStringLiteral("aa")};
    const QString &delimiter = delimiters[(data[0] >> 5) & 3];
    const bool clientTrailer = data[0] & 128;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString transcript = Ansi::decode(bytes);
    const QSet<QString> ledger{QStringLiteral("Bob")};

    const QStringList fast = scannedNames(transcript, symbol, host, ledger);
    if (size < 4096)
        check(fast == literalScan(transcript, symbol, host, ledger));
    checkLines(transcript);
    checkTokens(transcript, delimiter);

    NoClock clock;
    ScriptedWadapi::reset();
    ScriptedWadapi::setDelivery(ScriptedWadapi::Delivery::InsideCall);
    if (clientTrailer)
        ScriptedWadapi::setTranscript(bytes);
    else
        ScriptedWadapi::setTranscriptBytes(bytes);
    ChatLink link(clock);
    check(link.InitDDE() == 0);
    HostSettings settings;
    settings.setItem(HostSettings::Symbol, symbol);
    settings.setChecked(HostSettings::Check::Confirmation, confirm);
    PlayerLists lists;
    lists.ledger.add(QStringLiteral("Bob"));
    Tokenizer tokenizer;
    RegistrationIntake intake(link, settings, lists, tokenizer);
    intake.setHost(host);

    // The text reaches the program as a C string, so it ends at a NUL.
    intake.ScanRegistrations();
    const QString received = link.Transcript();
    if (clientTrailer && !bytes.contains('\0')) {
        QString expected = transcript;
        while (expected.endsWith(QStringView(kLineEnd)))
            expected.chop(2);
        check(received == expected);
    }
    const QStringList taken = scannedNames(received, symbol, host, ledger);
    check(lists.queue.names() == taken);
    QStringList sorted = taken;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    check(lists.players.names() == sorted);
    check(lists.ledger.count() == taken.size() + 1);
    QStringList confirmed;
    for (const ScriptedWadapi::Call &call : ScriptedWadapi::calls()) {
        if (call.function == u"DapiCommunicate" && call.mode == ChatLink::kEsp)
            confirmed << Ansi::decode(call.target);
    }
    check(confirmed == (confirm ? taken : QStringList()));

    intake.FindHost(received);
    link.setTranscript(received);
    intake.GetHost();
    link.KillDDE();
    return 0;
}
