#include "registrationtest.h"

#include "chat/chatlink.h"
#include "chat/registrationintake.h"
#include "chat/registrationscan.h"
#include "chat/tokenizer.h"
#include "chat/transcripttext.h"
#include "core/filestore.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "literalscan.h"
#include "scriptedwadapi.h"
#include "settings/hostsettings.h"
#include "support/fakeclock.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TranscriptText;

namespace {

struct Intake
{
    FakeClock clock;
    ChatLink link{clock};
    HostSettings settings;
    PlayerLists lists;
    Tokenizer tokenizer;
    RegistrationIntake intake{link, settings, lists, tokenizer};

    Intake() { link.InitDDE(); }
};

} // namespace

void RegistrationTest::init()
{
    ScriptedWadapi::reset();
}

void RegistrationTest::countsAndCutsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QStringList>("lines"); // GetLine 1 .. count + 1

    QTest::newRow("empty") << QString() << qsizetype(1) << QStringList{QString(), QString()};
    QTest::newRow("ends with a line end") << u"a\r\n"_s << qsizetype(2) << QStringList{u"a"_s, QString(), QString()};
    QTest::newRow("lone line feeds stay inside")
        << u"a\nb\r\nc"_s << qsizetype(2) << QStringList{u"a\nb"_s, u"c"_s, QString()};
}

void RegistrationTest::countsAndCutsLines()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, count);
    QFETCH(QStringList, lines);

    QCOMPARE(CountLines(text), count);
    for (qsizetype n = 1; n <= lines.size(); ++n)
        QCOMPARE(GetLine(text, n), lines[n - 1]);
}

void RegistrationTest::tokenizerWalksOneTextAtATime()
{
    Tokenizer tokenizer;
    const QString crlf = u"\r\n"_s;
    QCOMPARE(tokenizer.GetToken(u"a\r\n\r\nb"_s, crlf), u"a"_s);
    QCOMPARE(tokenizer.GetToken(QString(), crlf), QString());
    QCOMPARE(tokenizer.GetToken(QString(), crlf), u"b"_s);
    QCOMPARE(tokenizer.GetToken(QString(), crlf), QString());
    // A new text starts a new walk; the old rest is gone.
    QCOMPARE(tokenizer.GetToken(u"x\r\ny"_s, crlf), u"x"_s);
    QCOMPARE(tokenizer.GetToken(u"p\r\nq"_s, crlf), u"p"_s);
    QCOMPARE(tokenizer.GetToken(QString(), crlf), u"q"_s);
}

void RegistrationTest::takesInTheRightPlayers_data()
{
    // Transcript lines are written with \n here and joined with CR LF.
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<QStringList>("taken");

    const QString $ = u"$"_s;
    const QString host = u"Host"_s;
    const QStringList none;
    QTest::newRow("ESPs before the newest marker are ignored")
        << u"ESP from Ann: $\nHost: Corvane's Hoster\nESP from Bob: $\nHost: Corvane's Hoster\nESP from Cy: $"_s
        << $ << host << none << QStringList{u"Cy"_s};
    QTest::newRow("marker on the last line leaves nothing")
        << u"ESP from Ann: $\nHost: Corvane's Hoster"_s << $ << QString() << none << none;
    QTest::newRow("blanks around the name and before the symbol")
        << u"ESP from   Bob :    $ and more"_s << $ << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("the first colon ends the name")
        << u"ESP from Bob: $: Ann"_s << $ << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("a letter before the symbol") << u"ESP from Bob: x$"_s << $ << QString() << none << none;
    QTest::newRow("two-letter symbol never matches") << u"ESP from Bob: $$"_s << u"$$"_s << QString() << none << none;
    QTest::newRow("empty symbol matches a blank text")
        << u"ESP from Bob:   \nESP from Ann: hi"_s << QString() << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("twice in one transcript, once taken")
        << u"ESP from Bob: $\nESP from Bob: $"_s << $ << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("the ledger is case-sensitive")
        << u"ESP from Bob: $\nESP from bob: $"_s << $ << QString() << QStringList{u"bob"_s} << QStringList{u"Bob"_s};
    QTest::newRow("the host cannot register") << u"ESP from Host: $"_s << $ << host << QStringList{host} << none;
    QTest::newRow("removed after registering")
        << u"ESP from Bob: $\nHost: *** Bob has been removed ***\nESP from Ann: $"_s << $ << host << none
        << QStringList{u"Ann"_s};
    QTest::newRow("removed before registering")
        << u"Host: *** Bob has been removed ***\nESP from Bob: $"_s << $ << host << none << QStringList{u"Bob"_s};
    QTest::newRow("order of the ESP lines") << u"ESP from Zed: $\nAmy: hi\nESP from Amy: $\nESP from Kim: $"_s << $
                                            << QString() << none << QStringList{u"Zed"_s, u"Amy"_s, u"Kim"_s};
    QTest::newRow("a line naming nobody")
        << u"ESP from Bob $\nESP from: S\nESP from : S"_s << u"S"_s << QString() << none << none;
    QTest::newRow("names as the client writes them")
        << u"ESP from Zoë, the <b>Bold</b>: $"_s << $ << QString() << none << QStringList{u"Zoë, the <b>Bold</b>"_s};
    // Players cannot steer the lists.
    QTest::newRow("a player ESPing the marker cuts nothing")
        << u"ESP from Bob: $\nESP from Eve: Corvane's Hoster\nESP from Ann: $"_s << $ << host << none
        << QStringList{u"Bob"_s, u"Ann"_s};
    QTest::newRow("a player saying the marker after the host's cuts nothing")
        << u"Host: Corvane's Hoster\nESP from Bob: $\nEve: Corvane's Hoster\nESP from Ann: $"_s << $ << host << none
        << QStringList{u"Bob"_s, u"Ann"_s};
    QTest::newRow("a player saying a removal blocks nobody")
        << u"ESP from Bob: $\nEve: *** Bob has been removed ***\nESP from Eve: *** Bob has been removed ***"_s << $
        << host << none << QStringList{u"Bob"_s};
    QTest::newRow("before the host is known, any room line counts")
        << u"ESP from Bob: $\nEve: *** Bob has been removed ***"_s << $ << QString() << none << none;
    QTest::newRow("the client's own lines are not the host's")
        << u"<system>: Corvane's Hoster\nESP from Bob: $"_s << $ << host << none << QStringList{u"Bob"_s};
    QTest::newRow("a removal naming a longer name")
        << u"ESP from Bob: $\nHost: *** Bobby has been removed ***\nHost: *** *** Bob has been removed ***"_s << $
        << host << none << none;
    QTest::newRow("empty transcript") << QString() << $ << QString() << none << none;
}

void RegistrationTest::takesInTheRightPlayers()
{
    QFETCH(QString, transcript);
    QFETCH(QString, symbol);
    QFETCH(QString, host);
    QFETCH(QStringList, ledger);
    QFETCH(QStringList, taken);

    transcript.replace(u'\n', u"\r\n"_s);
    const QSet<QString> registered(ledger.cbegin(), ledger.cend());
    QCOMPARE(RegistrationScan::newRegistrations(transcript, symbol, host, registered), taken);
    QCOMPARE(literalScan(transcript, symbol, host, registered), taken);
}

void RegistrationTest::agreesWithTheLiteralScanOnGeneratedTranscripts()
{
    const QStringList names{u"Bob"_s,   u"bob"_s,     u"Ann Lee"_s,   u"Zoë"_s,  u"A, B"_s, u"*** Bob"_s,
                            u"List2"_s, u"Host"_s,    u"Bob has"_s,   u"x"_s,    u"Eve"_s,  u" Ann Lee "_s};
    const QStringList speakers{u"Host"_s, u"Eve"_s, u"<system>"_s, u"Ann Lee"_s};
    const QStringList symbols{u"$"_s, QString(), u"$$"_s, u"#"_s};
    QRandomGenerator random(20261206);

    const auto pick = [&random](const QStringList &from) { return from[random.bounded(from.size())]; };
    const auto line = [&]() -> QString {
        const QString name = pick(names);
        switch (random.bounded(16)) {
        case 0: return pick(speakers) + u": Corvane's Hoster"_s;
        case 1: return pick(speakers) + u": *** "_s + name + u" has been removed ***"_s;
        case 2: return u"*** "_s + name + u" has been removed ***"_s;
        case 3: return u"ESP from "_s + name + u": Corvane's Hoster"_s;
        case 4: return u"ESP from "_s + name + u": *** "_s + pick(names) + u" has been removed ***"_s;
        case 5: return u"ESP from  "_s + name + u" :   "_s + pick(symbols) + u" hi"_s;
        case 6: return u"ESP from "_s + name + u": x"_s + pick(symbols);
        case 7: return u"ESP from "_s + name + u" "_s + pick(symbols);
        case 8: return u"ESP to "_s + name + u": "_s + pick(symbols);
        case 9: return pick(speakers) + u": hello: "_s + pick(symbols);
        case 10: return QString();
        case 11: return u"Host: *** *** "_s + name + u" has been removed *** has been removed ***"_s;
        default: return u"ESP from "_s + name + u": "_s + pick(symbols);
        }
    };

    for (int round = 0; round < 4000; ++round) {
        QStringList transcript;
        const int length = random.bounded(1, 40);
        for (int i = 0; i < length; ++i)
            transcript << line();
        const QString text = transcript.join(u"\r\n"_s);
        const QString symbol = pick(symbols);
        const QString host = random.bounded(2) ? u"Host"_s : QString();
        QSet<QString> registered;
        for (const QString &name : names) {
            if (random.bounded(6) == 0)
                registered.insert(name);
        }
        const QStringList fast = RegistrationScan::newRegistrations(text, symbol, host, registered);
        const QStringList literal = literalScan(text, symbol, host, registered);
        if (fast != literal) {
            qWarning().noquote() << "transcript:" << text << "symbol:" << symbol << "host:" << host;
            QCOMPARE(fast, literal);
        }
    }
}

void RegistrationTest::entersEachNewPlayerIntoEveryList_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Confermation? checked") << true;
    QTest::newRow("unchecked") << false;
}

void RegistrationTest::entersEachNewPlayerIntoEveryList()
{
    QFETCH(bool, confirm);
    Intake s;
    s.settings.setChecked(HostSettings::Check1, confirm);
    s.lists.List2.add(u"Host"_s);
    s.lists.List3.add(u"Queued"_s);
    ScriptedWadapi::setTranscript("Host: Corvane's Hoster\r\nESP from zed: $\r\nESP from Amy: $\r\nESP from Host: $");
    s.intake.ScanRegistrations();
    // A second press takes nobody in twice and confirms nobody twice.
    s.intake.ScanRegistrations();

    QCOMPARE(s.lists.List2.names(), (QStringList{u"Amy"_s, u"Host"_s, u"zed"_s}));
    QCOMPARE(s.lists.lstAvatars.names(), (QStringList{u"Amy"_s, u"zed"_s}));
    QCOMPARE(s.lists.List3.names(), (QStringList{u"Queued"_s, u"zed"_s, u"Amy"_s}));
    QList<ScriptedWadapi::Call> esps;
    for (const auto &call : ScriptedWadapi::calls()) {
        if (call.function == u"DapiCommunicate")
            esps << call;
    }
    QCOMPARE(esps.size(), confirm ? 2 : 0);
    if (confirm) {
        QCOMPARE(esps[0].target, QByteArray("zed"));
        QCOMPARE(esps[1].target, QByteArray("Amy"));
        QCOMPARE(esps[0].mode, ChatLink::kEsp);
        QCOMPARE(esps[0].text, QByteArray("Your Registration Has Been recived"));
    }
}

void RegistrationTest::findsTheHost_data()
{
    QTest::addColumn<QString>("knownHost");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QStringList>("ledgerAfter");

    const QString corvane = u"Corvane"_s;
    const QStringList none;
    QTest::newRow("the speaker of the marker")
        << QString() << none << u"a: b\r\nCorvane: Corvane's Hoster\r\nx"_s << corvane << QStringList{corvane};
    QTest::newRow("an empty line ends the walk")
        << QString() << none << u"a: b\r\n\r\nCorvane: Corvane's Hoster"_s << QString() << none;
    QTest::newRow("the client itself is never the host")
        << QString() << none << u"<system>: Corvane's Hoster"_s << QString() << none;
    QTest::newRow("an ESP makes nobody the host")
        << QString() << none << u"ESP from Eve: Corvane's Hoster\r\nESP to Eve: Corvane's Hoster"_s << QString()
        << none;
    QTest::newRow("a registered name is not taken, in any case")
        << QString() << QStringList{u"corvane"_s} << u"Corvane: Corvane's Hoster"_s << QString()
        << QStringList{u"corvane"_s};
    QTest::newRow("once known, a player saying it changes nothing")
        << corvane << none << u"Eve: Corvane's Hoster\r\nCorvane: Corvane's Hoster"_s << corvane
        << QStringList{corvane};
    QTest::newRow("the newest speaker wins while unknown")
        << QString() << none << u"Eve: Corvane's Hoster\r\nCorvane: Corvane's Hoster"_s << corvane
        << QStringList{corvane, u"Eve"_s};
}

void RegistrationTest::findsTheHost()
{
    QFETCH(QString, knownHost);
    QFETCH(QStringList, ledger);
    QFETCH(QString, text);
    QFETCH(QString, host);
    QFETCH(QStringList, ledgerAfter);

    Intake s;
    s.intake.setTxtHost(knownHost);
    for (const QString &name : ledger)
        s.lists.List2.add(name);
    s.intake.FindHost(text);
    QCOMPARE(s.intake.txtHost(), host);
    QCOMPARE(s.lists.List2.names(), ledgerAfter);
}

void RegistrationTest::getHostLooksForTheBanner_data()
{
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<bool>("transcriptKept");

    QTest::newRow("no banner: the host, into the ledger once more")
        << u"Host: Corvane's Hoster\r\nHost: *** Starting a New Game ***"_s << u"Host"_s
        << QStringList{u"Host"_s, u"Host"_s} << true;
    QTest::newRow("the banner's speaker, transcript emptied")
        << u"Host: Corvane's Hoster\r\nHost: *** Starting New Game ***"_s << u"Host"_s << QStringList{u"Host"_s}
        << false;
    QTest::newRow("banner in the first line") << u"Ann: *** Starting New Game ***"_s << u"Ann"_s << QStringList{}
                                              << false;
    QTest::newRow("a banner inside an ESP does not count")
        << u"Host: Corvane's Hoster\r\nESP from Eve: *** Starting New Game ***"_s << u"Host"_s
        << QStringList{u"Host"_s, u"Host"_s} << true;
    QTest::newRow("nothing read yet") << QString() << QString() << QStringList{QString()} << true;
}

void RegistrationTest::getHostLooksForTheBanner()
{
    QFETCH(QString, transcript);
    QFETCH(QString, result);
    QFETCH(QStringList, ledger);
    QFETCH(bool, transcriptKept);

    Intake s;
    s.link.setTranscript(transcript);
    QCOMPARE(s.intake.GetHost(), result);
    QCOMPARE(s.lists.List2.names(), ledger);
    QCOMPARE(s.link.Transcript(), transcriptKept ? transcript : QString());
}

void RegistrationTest::getRegWaitsBoundedWithTheWindowDisabled_data()
{
    QTest::addColumn<bool>("raffle");
    QTest::addColumn<ScriptedWadapi::Delivery>("delivery");
    QTest::addColumn<QStringList>("taken");

    QTest::newRow("raffle, text inside the call") << true << ScriptedWadapi::Delivery::InsideCall
                                                  << QStringList{u"Bob"_s};
    QTest::newRow("raffle, text late") << true << ScriptedWadapi::Delivery::Later << QStringList{u"Bob"_s};
    QTest::newRow("raffle, no text at all") << true << ScriptedWadapi::Delivery::Never << QStringList{};
    QTest::newRow("Lister, text late") << false << ScriptedWadapi::Delivery::Later << QStringList{u"Bob"_s};
}

void RegistrationTest::getRegWaitsBoundedWithTheWindowDisabled()
{
    QFETCH(bool, raffle);
    QFETCH(ScriptedWadapi::Delivery, delivery);
    QFETCH(QStringList, taken);

    Intake s;
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    Recovery recovery(s.lists, store);
    WindowInput input;
    QList<bool> seen;
    connect(&input, &WindowInput::enabledChanged, &input, [&seen](bool enabled) { seen << enabled; });

    s.link.setTranscript(u"ESP from Stale: $"_s); // an old copy is never read again
    ScriptedWadapi::setTranscript("ESP from Bob: $");
    ScriptedWadapi::setDelivery(delivery);
    const qint64 start = s.clock.nowMs();
    if (raffle)
        s.intake.cmdGetText_Click(input, recovery);
    else
        s.intake.Command9_Click(input);

    QCOMPARE(seen, (QList<bool>{false, true}));
    QCOMPARE(s.lists.List3.names(), taken);
    QCOMPARE(QFile::exists(dir.filePath(u"Recover.bak"_s)), raffle);
    // Without a text the wait gives up at its bound.
    QCOMPARE(s.clock.nowMs() - start, taken.isEmpty() ? RegistrationIntake::kTranscriptWaitMs : 0);
}
