#include "registrationintaketest.h"

#include "chat/chatlink.h"
#include "chat/registrationintake.h"
#include "chat/tokenizer.h"
#include "core/filestore.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "scriptedwadapi.h"
#include "settings/hostsettings.h"
#include "support/fakeclock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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

void RegistrationIntakeTest::init()
{
    ScriptedWadapi::reset();
}

void RegistrationIntakeTest::entersEachNewPlayerIntoEveryList()
{
    Intake s;
    s.lists.List2.add(u"Host"_s);
    s.lists.List3.add(u"Queued"_s);
    ScriptedWadapi::setTranscript("Host: Corvane's Hoster\r\nESP from zed: $\r\nESP from Amy: $\r\nESP from Host: $");
    s.intake.ScanRegistrations();

    QCOMPARE(s.lists.List2.names(), (QStringList{u"Amy"_s, u"Host"_s, u"zed"_s}));
    QCOMPARE(s.lists.lstAvatars.names(), (QStringList{u"Amy"_s, u"zed"_s}));
    QCOMPARE(s.lists.List3.names(), (QStringList{u"Queued"_s, u"zed"_s, u"Amy"_s}));

    // A second press takes nobody in twice.
    s.intake.ScanRegistrations();
    QCOMPARE(s.lists.List3.count(), 3);
}

void RegistrationIntakeTest::confirmsOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Confermation? checked") << true;
    QTest::newRow("unchecked") << false;
}

void RegistrationIntakeTest::confirmsOnlyWhenAsked()
{
    QFETCH(bool, confirm);
    Intake s;
    s.settings.setChecked(HostSettings::Check1, confirm);
    ScriptedWadapi::setTranscript("ESP from Bob: $\r\nESP from Ann: $\r\nESP from Bob: $");
    s.intake.ScanRegistrations();

    QList<ScriptedWadapi::Call> esps;
    for (const auto &call : ScriptedWadapi::calls()) {
        if (call.function == u"DapiCommunicate")
            esps << call;
    }
    QCOMPARE(esps.size(), confirm ? 2 : 0);
    if (confirm) {
        QCOMPARE(esps[0].target, QByteArray("Bob"));
        QCOMPARE(esps[1].target, QByteArray("Ann"));
        QCOMPARE(esps[0].mode, ChatLink::kEsp);
        QCOMPARE(esps[0].text, QByteArray("Your Registration Has Been recived"));
    }
}

void RegistrationIntakeTest::findsTheHost_data()
{
    QTest::addColumn<QString>("knownHost");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QStringList>("ledgerAfter");

    QTest::newRow("the speaker of the marker") << QString() << QStringList{}
                                               << u"a: b\r\nCorvane: Corvane's Hoster\r\nx"_s << u"Corvane"_s
                                               << QStringList{u"Corvane"_s};
    QTest::newRow("an empty line ends the walk") << QString() << QStringList{}
                                                 << u"a: b\r\n\r\nCorvane: Corvane's Hoster"_s << QString()
                                                 << QStringList{};
    QTest::newRow("the client itself is never the host")
        << QString() << QStringList{} << u"<system>: Corvane's Hoster"_s << QString() << QStringList{};
    QTest::newRow("an ESP makes nobody the host")
        << QString() << QStringList{} << u"ESP from Eve: Corvane's Hoster\r\nESP to Eve: Corvane's Hoster"_s
        << QString() << QStringList{};
    QTest::newRow("a registered name is not taken, in any case")
        << QString() << QStringList{u"corvane"_s} << u"Corvane: Corvane's Hoster"_s << QString()
        << QStringList{u"corvane"_s};
    QTest::newRow("once known, a player saying it changes nothing")
        << u"Corvane"_s << QStringList{} << u"Eve: Corvane's Hoster\r\nCorvane: Corvane's Hoster"_s << u"Corvane"_s
        << QStringList{u"Corvane"_s};
    QTest::newRow("the newest speaker wins while unknown")
        << QString() << QStringList{} << u"Eve: Corvane's Hoster\r\nCorvane: Corvane's Hoster"_s << u"Corvane"_s
        << QStringList{u"Corvane"_s, u"Eve"_s};
}

void RegistrationIntakeTest::findsTheHost()
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

void RegistrationIntakeTest::getHostLooksForTheBanner_data()
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

void RegistrationIntakeTest::getHostLooksForTheBanner()
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

void RegistrationIntakeTest::getRegDisablesTheWindowWhileItWaits_data()
{
    QTest::addColumn<bool>("raffle");
    QTest::addColumn<ScriptedWadapi::Delivery>("delivery");
    QTest::addColumn<QStringList>("taken");

    QTest::newRow("raffle, text late") << true << ScriptedWadapi::Delivery::Later << QStringList{u"Bob"_s};
    QTest::newRow("raffle, no text at all") << true << ScriptedWadapi::Delivery::Never << QStringList{};
    QTest::newRow("Lister, text late") << false << ScriptedWadapi::Delivery::Later << QStringList{u"Bob"_s};
}

void RegistrationIntakeTest::getRegDisablesTheWindowWhileItWaits()
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

    ScriptedWadapi::setTranscript("ESP from Bob: $");
    ScriptedWadapi::setDelivery(delivery);
    if (raffle)
        s.intake.cmdGetText_Click(input, recovery);
    else
        s.intake.Command9_Click(input);

    QCOMPARE(seen, (QList<bool>{false, true}));
    QCOMPARE(s.lists.List3.names(), taken);
    QCOMPARE(QFile::exists(dir.filePath(u"Recover.bak"_s)), raffle);
    // The wait is bounded: without a text it gives up at the bound.
    if (delivery == ScriptedWadapi::Delivery::Never)
        QCOMPARE(s.clock.waits().last().lengthMs, RegistrationIntake::kTranscriptWaitMs);
}
