#include "games/pacing.h"
#include "gamestests.h"
#include "literalscan.h"
#include "scriptedwadapi.h"
#include "support/gamesfixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

void GameTest::pausesForTheDelaySetting_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<qint64>("waitedMs");
    QTest::addColumn<bool>("eventsRun");

    QTest::newRow("negative returns at once") << u"-1"_s << qint64(0) << false;
    QTest::newRow("a fraction") << u"0.25"_s << qint64(250) << true;
    QTest::newRow("held to a minute") << u"99999"_s << qint64(60000) << true;
}

void GameTest::pausesForTheDelaySetting()
{
    QFETCH(QString, delay);
    QFETCH(qint64, waitedMs);
    QFETCH(bool, eventsRun);

    GamesFixture f;
    GameSession &s = f.session;
    s.settings.setItem(HostSettings::Delay, delay);
    bool ran = false;
    QTimer::singleShot(0, &s.link, [&ran] { ran = true; });
    const qint64 start = f.clock.nowMs();
    pacingPause(s.link, s.settings);
    QCOMPARE(f.clock.nowMs() - start, waitedMs);
    QCOMPARE(ran, eventsRun);
    QCoreApplication::processEvents();
}

void GameTest::takesInTheRightPlayers_data()
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
        << u"ESP from Ann: $\nHost: Corvane's Hoster\nESP from Bob: $\nHost: Corvane's Hoster\nESP from Cy: $"_s << $
        << host << none << QStringList{u"Cy"_s};
    QTest::newRow("marker on the last line leaves nothing")
        << u"ESP from Ann: $\nHost: Corvane's Hoster"_s << $ << QString() << none << none;
    QTest::newRow("blanks around the name and the symbol, the first colon ends the name")
        << u"ESP from   Bob :    $: Ann"_s << $ << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("two-letter symbol never matches") << u"ESP from Bob: $$"_s << u"$$"_s << QString() << none << none;
    QTest::newRow("empty symbol matches a blank text")
        << u"ESP from Bob:   \nESP from Ann: hi"_s << QString() << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("twice in one transcript, once taken")
        << u"ESP from Bob: $\nESP from Bob: $"_s << $ << QString() << none << QStringList{u"Bob"_s};
    QTest::newRow("the ledger is case-sensitive")
        << u"ESP from Bob: $\nESP from bob: $"_s << $ << QString() << QStringList{u"bob"_s} << QStringList{u"Bob"_s};
    QTest::newRow("removed after registering, not before")
        << u"Host: *** Ann has been removed ***\nESP from Ann: $\nESP from Bob: $\nHost: *** Bob has been removed ***"_s
        << $ << host << none << QStringList{u"Ann"_s};
    QTest::newRow("a line naming nobody, a letter before the symbol")
        << u"ESP from Bob $\nESP from: $\nESP from : $\nESP from Bob: x$"_s << $ << QString() << none << none;
    // Players cannot steer the lists.
    QTest::newRow("a player ESPing or saying the marker after the host's cuts nothing")
        << u"Host: Corvane's Hoster\nESP from Bob: $\nESP from Eve: Corvane's Hoster\n"
           u"Eve: Corvane's Hoster\nESP from Ann: $"_s
        << $ << host << none << QStringList{u"Bob"_s, u"Ann"_s};
    QTest::newRow("a player saying a removal blocks nobody")
        << u"ESP from Bob: $\nEve: *** Bob has been removed ***\nESP from Eve: *** Bob has been removed ***"_s << $
        << host << none << QStringList{u"Bob"_s};
    QTest::newRow("before the host is known, any room line counts")
        << u"ESP from Bob: $\nEve: *** Bob has been removed ***"_s << $ << QString() << none << none;
    QTest::newRow("the client's own lines are not the host's")
        << u"ESP from Bob: $\n<system>: Corvane's Hoster"_s << $ << host << none << QStringList{u"Bob"_s};
    QTest::newRow("a removal naming a longer name")
        << u"ESP from Bob: $\nHost: *** Bobby has been removed ***\nHost: *** *** Bob has been removed ***"_s << $
        << host << none << none;
}

void GameTest::takesInTheRightPlayers()
{
    QFETCH(QString, transcript);
    QFETCH(QString, symbol);
    QFETCH(QString, host);
    QFETCH(QStringList, ledger);
    QFETCH(QStringList, taken);

    transcript.replace(u'\n', u"\r\n"_s);
    const QSet<QString> registered(ledger.cbegin(), ledger.cend());
    QCOMPARE(scannedNames(transcript, symbol, host, registered), taken);
    QCOMPARE(literalScan(transcript, symbol, host, registered), taken);
}

void GameTest::getHostLooksForTheBanner_data()
{
    QTest::addColumn<QString>("knownHost");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QString>("hostAfter");
    QTest::addColumn<QStringList>("ledgerAfter");
    QTest::addColumn<bool>("transcriptKept");

    // Without a banner the host goes into the ledger once more.
    const QString corvane = u"Corvane"_s;
    const QStringList none;
    QTest::newRow("the speaker of the marker, no banner")
        << QString() << none << u"a: b\r\nCorvane: Corvane's Hoster\r\nCorvane: *** Starting a New Game ***"_s
        << corvane << QStringList{corvane, corvane} << true;
    QTest::newRow("an empty line ends the walk") << QString() << none << u"a: b\r\n\r\nCorvane: Corvane's Hoster"_s
                                                 << QString() << QStringList{QString()} << true;
    QTest::newRow("neither the client itself nor an ESP makes the host")
        << QString() << none
        << u"<system>: Corvane's Hoster\r\nESP from Eve: Corvane's Hoster\r\nESP to Eve: Corvane's Hoster"_s
        << QString() << QStringList{QString()} << true;
    QTest::newRow("a registered name is not taken, in any case")
        << QString() << QStringList{u"corvane"_s} << u"Corvane: Corvane's Hoster"_s << QString()
        << QStringList{QString(), u"corvane"_s} << true;
    QTest::newRow("once known, a player saying it changes nothing")
        << corvane << none << u"Eve: Corvane's Hoster\r\nCorvane: Corvane's Hoster"_s << corvane
        << QStringList{corvane, corvane} << true;
    QTest::newRow("the newest speaker wins while unknown")
        << QString() << none << u"Eve: Corvane's Hoster\r\nCorvane: Corvane's Hoster"_s << corvane
        << QStringList{corvane, corvane, u"Eve"_s} << true;
    QTest::newRow("a banner in the host's line, transcript emptied")
        << QString() << none << u"Host: Corvane's Hoster\r\nHost: *** Starting New Game ***"_s << u"Host"_s
        << QStringList{u"Host"_s} << false;
    QTest::newRow("banner in the first line")
        << QString() << none << u"Ann: *** Starting New Game ***"_s << QString() << none << false;
    QTest::newRow("a banner inside an ESP does not count")
        << QString() << none << u"Host: Corvane's Hoster\r\nESP from Eve: *** Starting New Game ***"_s << u"Host"_s
        << QStringList{u"Host"_s, u"Host"_s} << true;
}

void GameTest::getHostLooksForTheBanner()
{
    QFETCH(QString, knownHost);
    QFETCH(QStringList, ledger);
    QFETCH(QString, transcript);
    QFETCH(QString, hostAfter);
    QFETCH(QStringList, ledgerAfter);
    QFETCH(bool, transcriptKept);

    GamesFixture f;
    GameSession &s = f.session;
    s.intake.setHost(knownHost);
    for (const QString &name : ledger)
        s.lists.ledger.add(name);
    s.link.setTranscript(transcript);
    s.intake.GetHost();
    QCOMPARE(s.intake.host(), hostAfter);
    QCOMPARE(s.lists.ledger.names(), ledgerAfter);
    QCOMPARE(s.link.Transcript(), transcriptKept ? transcript : QString());
}

void GameTest::getRegTakesEachNewPlayerOnce_data()
{
    QTest::addColumn<bool>("raffle");
    QTest::addColumn<ScriptedWadapi::Delivery>("delivery");
    QTest::addColumn<bool>("confirm"); // Confermation?

    QTest::newRow("raffle, text inside the call, confirmed") << true << ScriptedWadapi::Delivery::InsideCall << true;
    QTest::newRow("raffle, text late") << true << ScriptedWadapi::Delivery::Later << false;
    QTest::newRow("raffle, no text at all") << true << ScriptedWadapi::Delivery::Never << true;
    QTest::newRow("Lister, text late, confirmed") << false << ScriptedWadapi::Delivery::Later << true;
}

void GameTest::getRegTakesEachNewPlayerOnce()
{
    QFETCH(bool, raffle);
    QFETCH(ScriptedWadapi::Delivery, delivery);
    QFETCH(bool, confirm);

    GamesFixture f;
    GameSession &s = f.session;
    QList<bool> seen;
    connect(&s.input, &WindowInput::enabledChanged, &s.input, [&seen](bool enabled) { seen << enabled; });

    s.settings.setChecked(HostSettings::Check::Confirmation, confirm);
    s.lists.ledger.add(u"Host"_s);
    s.lists.queue.add(u"Queued"_s);
    s.link.setTranscript(u"ESP from Stale: $"_s); // an old copy is never read again
    ScriptedWadapi::setTranscript("Host: Corvane's Hoster\r\nESP from zed: $\r\nESP from Amy: $\r\nESP from Host: $");
    ScriptedWadapi::setDelivery(delivery);
    const bool arrives = delivery != ScriptedWadapi::Delivery::Never;
    // A second press takes nobody in twice and confirms nobody twice.
    for (int press = 0; press < 2; ++press) {
        const qint64 start = f.clock.nowMs();
        if (raffle)
            s.raffle.takeInRegistrations();
        else
            s.lister.takeInRegistrations();
        // Without a text the wait gives up at its bound.
        QCOMPARE(f.clock.nowMs() - start, arrives ? 0 : RegistrationIntake::kTranscriptWaitMs);
    }

    QCOMPARE(seen, (QList<bool>{false, true, false, true}));
    QCOMPARE(QFile::exists(f.dir.filePath(u"Recover.bak"_s)), raffle);
    QCOMPARE(s.lists.ledger.names(), arrives ? (QStringList{u"Amy"_s, u"Host"_s, u"zed"_s}) : QStringList{u"Host"_s});
    QCOMPARE(s.lists.players.names(), arrives ? (QStringList{u"Amy"_s, u"zed"_s}) : QStringList{});
    QCOMPARE(s.lists.queue.names(),
             arrives ? (QStringList{u"Queued"_s, u"zed"_s, u"Amy"_s}) : QStringList{u"Queued"_s});
    QCOMPARE(f.said(), QStringList());
    const QString received = u": Your Registration Has Been recived"_s;
    QCOMPARE(f.esps(), confirm && arrives ? (QStringList{u"zed"_s + received, u"Amy"_s + received}) : QStringList());

    // The journal tells who came in by which line, and who was registered already.
    const QList<JournalEntry> &entries = s.journal.entries();
    QCOMPARE(entries.size(), 2);
    const auto recorded = [&entries](int press) {
        return QJsonDocument(entries[press].object.value(u"taken").toArray()).toJson(QJsonDocument::Compact) + ' '
            + QJsonDocument(entries[press].object.value(u"refused").toArray()).toJson(QJsonDocument::Compact);
    };
    QCOMPARE(recorded(0),
             arrives ? QByteArray(R"([{"line":"ESP from zed: $","who":"zed"},)"
                                  R"({"line":"ESP from Amy: $","who":"Amy"}] ["Host"])")
                     : QByteArray("[] []"));
    // Registered at the first press already: no news at the second.
    QCOMPARE(recorded(1), QByteArray("[] []"));
    QCOMPARE(entries[1].object.value(u"read").toBool(true), arrives);
}
