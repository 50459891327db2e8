// The registration scan and the host look-ups on arbitrary transcripts. Small
// inputs are also checked against the literal scan: the two must agree.
#include "chat/chatlink.h"
#include "chat/registrationintake.h"
#include "chat/registrationscan.h"
#include "chat/tokenizer.h"
#include "core/ansi.h"
#include "core/playerlists.h"
#include "literalscan.h"
#include "settings/hostsettings.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

class NoClock final : public Clock
{
public:
    qint64 nowMs() override { return 0; }
    QTime timeOfDay() override { return {}; }
    void waitUntil(qint64, const std::function<bool()> &) override {}
};

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
    // The first byte chooses the symbol and whether the host is known.
    const char16_t symbols[] = {u'$', u'#', u'S', u' '};
    const QString symbol = (data[0] & 4) ? QString() : QString(QChar(symbols[data[0] & 3]));
    const QString host = (data[0] & 8) ? QStringLiteral("Host") : QString();
    const QString transcript = Ansi::decode(QByteArrayView(data + 1, static_cast<qsizetype>(size - 1)));
    const QSet<QString> ledger{QStringLiteral("Bob")};

    const QStringList fast = RegistrationScan::newRegistrations(transcript, symbol, host, ledger);
    if (size < 4096 && fast != literalScan(transcript, symbol, host, ledger))
        std::abort();

    NoClock clock;
    ChatLink link(clock);
    HostSettings settings;
    PlayerLists lists;
    Tokenizer tokenizer;
    RegistrationIntake intake(link, settings, lists, tokenizer);
    intake.setTxtHost(host);
    intake.FindHost(transcript);
    link.setTranscript(transcript);
    intake.GetHost();
    return 0;
}
