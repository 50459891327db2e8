#include "chatlinktest.h"

#include "chat/chatlink.h"
#include "chat/pacing.h"
#include "scriptedwadapi.h"
#include "settings/hostsettings.h"
#include "support/fakeclock.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <optional>

using Statuses = QList<std::optional<QByteArray>>;

namespace {

int countCalls(const QString &function)
{
    int n = 0;
    for (const auto &call : ScriptedWadapi::calls())
        n += call.function == function ? 1 : 0;
    return n;
}

} // namespace

void ChatLinkTest::init()
{
    ScriptedWadapi::reset();
}

void ChatLinkTest::retriesUntilAnOutcome_data()
{
    QTest::addColumn<Statuses>("statuses");
    QTest::addColumn<int>("deliveries");
    QTest::addColumn<int>("registrations");

    QTest::newRow("done") << Statuses{"0"} << 1 << 0;
    QTest::newRow("busy twice") << Statuses{"6", "6", "0"} << 3 << 0;
    QTest::newRow("not registered") << Statuses{"10", "0"} << 2 << 1;
    QTest::newRow("empty status is done") << Statuses{""} << 1 << 0;
    QTest::newRow("failure stops") << Statuses{"-1", "0"} << 1 << 0;
    QTest::newRow("unknown status retries") << Statuses{"7", "0"} << 2 << 0;
    QTest::newRow("no status at all") << Statuses{std::nullopt} << 1 << 0;
    QTest::newRow("busy forever is bounded") << Statuses(200, QByteArray("6")) << ChatLink::kMaxAttempts << 0;
    QTest::newRow("unregistered forever is bounded")
        << Statuses(200, QByteArray("10")) << ChatLink::kMaxAttempts << ChatLink::kMaxAttempts;
}

void ChatLinkTest::retriesUntilAnOutcome()
{
    QFETCH(Statuses, statuses);
    QFETCH(int, deliveries);
    QFETCH(int, registrations);

    FakeClock clock;
    ChatLink link(clock);
    QCOMPARE(link.InitDDE(), 0);
    ScriptedWadapi::queueStatuses(statuses);
    link.EspText(QStringLiteral("Bob"), QStringLiteral("hello"));

    QCOMPARE(countCalls(QStringLiteral("DapiCommunicate")), deliveries);
    QCOMPARE(countCalls(QStringLiteral("DapiRegister")), registrations);
    for (const auto &call : ScriptedWadapi::calls()) {
        if (call.function == u"DapiCommunicate") {
            QCOMPARE(call.mode, ChatLink::kEsp);
            QCOMPARE(call.target, QByteArray("Bob"));
            QCOMPARE(call.text, QByteArray("hello"));
            QCOMPARE(call.appName, QByteArray("test_chat"));
        }
    }
}

void ChatLinkTest::givesUpAfterTheTimeBound()
{
    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    // Each busy answer takes a second of the client's time.
    ScriptedWadapi::setTimeSource([&clock] {
        clock.advance(1000);
        return clock.nowMs();
    });
    ScriptedWadapi::queueStatuses(Statuses(200, QByteArray("6")));
    link.SayText(QStringLiteral("hello"));
    QCOMPARE(countCalls(QStringLiteral("DapiCommunicate")), int(ChatLink::kMaxRetryMs / 1000));
}

void ChatLinkTest::trimsTheTranscript_data()
{
    QTest::addColumn<QByteArray>("delivered");
    QTest::addColumn<QString>("stored");

    QTest::newRow("eight letters") << QByteArray("abcdefgh") << QStringLiteral("abcd");
    QTest::newRow("nul at 3 cuts nothing") << QByteArray("ab") << QStringLiteral("ab");
    QTest::newRow("nul at 5 cuts nothing") << QByteArray("abcd") << QStringLiteral("abcd");
    QTest::newRow("nul at 6 keeps one") << QByteArray("abcde") << QStringLiteral("a");
    QTest::newRow("trailing line ends go, inner stay")
        << QByteArray("one\r\ntwo\r\n\r\nWXYZ") << QStringLiteral("one\r\ntwo");
    QTest::newRow("a lone line feed stays") << QByteArray("one\nWXYZ") << QStringLiteral("one\n");
    QTest::newRow("code page") << QByteArray("\x80 Zo\xEB\r\nWXYZ") << QString::fromUtf8("€ Zoë");
}

void ChatLinkTest::trimsTheTranscript()
{
    QFETCH(QByteArray, delivered);
    QFETCH(QString, stored);

    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    ScriptedWadapi::setTranscriptBytes(delivered);
    link.ReadTranscript();
    QCOMPARE(link.Transcript(), stored);
}

void ChatLinkTest::speaksTheClientsCodePage()
{
    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    link.SayText(QString::fromUtf8("Zoë wins 5€"));
    QCOMPARE(ScriptedWadapi::said(ChatLink::kRoom), QList<QByteArray>{"Zo\xEB wins 5\x80"});
    QCOMPARE(ScriptedWadapi::calls().last().target, QByteArray("Belmor"));
}

void ChatLinkTest::saysNumbersAsDecimalText()
{
    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    link.SayText(qint64(5));
    QCOMPARE(ScriptedWadapi::said(ChatLink::kRoom), QList<QByteArray>{"5"});
}

void ChatLinkTest::pausesOnVirtualTime_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<qint64>("waitedMs");
    QTest::addColumn<bool>("eventsRun");

    QTest::newRow("zero returns at once") << 0.0 << qint64(0) << false;
    QTest::newRow("negative returns at once") << -1.0 << qint64(0) << false;
    QTest::newRow("two seconds") << 2.0 << qint64(2000) << true;
    QTest::newRow("a fraction") << 0.25 << qint64(250) << true;
}

void ChatLinkTest::pausesOnVirtualTime()
{
    QFETCH(double, seconds);
    QFETCH(qint64, waitedMs);
    QFETCH(bool, eventsRun);

    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    bool ran = false;
    QTimer::singleShot(0, &link, [&ran] { ran = true; });
    const qint64 start = clock.nowMs();
    link.Pause(seconds);
    QCOMPARE(clock.nowMs() - start, waitedMs);
    QCOMPARE(ran, eventsRun);
    QCoreApplication::processEvents();
}

void ChatLinkTest::pacingPauseReadsTheDelaySetting_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<qint64>("waitedMs");

    QTest::newRow("default") << QStringLiteral("1") << qint64(1000);
    QTest::newRow("read at the moment of the pause") << QStringLiteral("3") << qint64(3000);
    QTest::newRow("not a number") << QStringLiteral("slow") << qint64(0);
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("held to a minute") << QStringLiteral("99999") << qint64(60000);
}

void ChatLinkTest::pacingPauseReadsTheDelaySetting()
{
    QFETCH(QString, delay);
    QFETCH(qint64, waitedMs);

    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    HostSettings settings;
    settings.setItem(HostSettings::Delay, delay);
    const qint64 start = clock.nowMs();
    pacingPause(link, settings);
    QCOMPARE(clock.nowMs() - start, waitedMs);
}

void ChatLinkTest::pauseKeepsTheEventLoopRunning()
{
    SystemClock clock;
    ChatLink link(clock);
    link.InitDDE();
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 firedAt = -1;
    QTimer::singleShot(50, &link, [&] { firedAt = elapsed.elapsed(); });
    link.Pause(0.3);
    QVERIFY2(elapsed.elapsed() >= 300, "the pause ended early");
    QVERIFY2(firedAt >= 0 && firedAt < 300, "no event ran during the pause");
}

void ChatLinkTest::waitsForALateTranscriptWithinItsBound_data()
{
    QTest::addColumn<ScriptedWadapi::Delivery>("delivery");
    QTest::addColumn<bool>("arrived");
    QTest::addColumn<qint64>("waitedMs");

    QTest::newRow("inside the call") << ScriptedWadapi::Delivery::InsideCall << true << qint64(0);
    QTest::newRow("later from the event loop") << ScriptedWadapi::Delivery::Later << true << qint64(0);
    QTest::newRow("never") << ScriptedWadapi::Delivery::Never << false << qint64(5000);
}

void ChatLinkTest::waitsForALateTranscriptWithinItsBound()
{
    QFETCH(ScriptedWadapi::Delivery, delivery);
    QFETCH(bool, arrived);
    QFETCH(qint64, waitedMs);

    FakeClock clock;
    ChatLink link(clock);
    link.InitDDE();
    link.setTranscript(QStringLiteral("stale"));
    ScriptedWadapi::setTranscript("Host: hello");
    ScriptedWadapi::setDelivery(delivery);
    const qint64 start = clock.nowMs();
    QCOMPARE(link.fetchTranscript(5000), arrived);
    QCOMPARE(link.Transcript(), arrived ? QStringLiteral("Host: hello") : QString());
    QCOMPARE(clock.nowMs() - start, waitedMs);
}

void ChatLinkTest::closingTheLinkEndsPausesAndCalls()
{
    SystemClock clock;
    ChatLink link(clock);
    link.InitDDE();
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer::singleShot(20, &link, &ChatLink::KillDDE);
    link.Pause(30.0);
    QVERIFY(elapsed.elapsed() < 5000);

    link.SayText(QStringLiteral("after the end"));
    link.KillDDE();
    QCOMPARE(countCalls(QStringLiteral("DapiCommunicate")), 0);
    QCOMPARE(countCalls(QStringLiteral("KillDDE")), 1);
}
