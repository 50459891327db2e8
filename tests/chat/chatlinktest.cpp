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

struct Link
{
    FakeClock clock;
    ChatLink link{clock};

    Link() { link.InitDDE(); }
};

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
    QTest::addColumn<int>("msPerAnswer"); // of the client's time

    QTest::newRow("done") << Statuses{"0"} << 1 << 0 << 0;
    QTest::newRow("busy twice") << Statuses{"6", "6", "0"} << 3 << 0 << 0;
    QTest::newRow("not registered") << Statuses{"10", "0"} << 2 << 1 << 0;
    QTest::newRow("empty status is done") << Statuses{""} << 1 << 0 << 0;
    QTest::newRow("failure stops") << Statuses{"-1", "0"} << 1 << 0 << 0;
    QTest::newRow("unknown status retries") << Statuses{"7", "0"} << 2 << 0 << 0;
    QTest::newRow("no status at all") << Statuses{std::nullopt} << 1 << 0 << 0;
    QTest::newRow("busy forever is bounded") << Statuses(200, QByteArray("6")) << ChatLink::kMaxAttempts << 0 << 0;
    QTest::newRow("unregistered forever is bounded")
        << Statuses(200, QByteArray("10")) << ChatLink::kMaxAttempts << ChatLink::kMaxAttempts << 0;
    QTest::newRow("busy past the time bound")
        << Statuses(200, QByteArray("6")) << int(ChatLink::kMaxRetryMs / 1000) << 0 << 1000;
}

void ChatLinkTest::retriesUntilAnOutcome()
{
    QFETCH(Statuses, statuses);
    QFETCH(int, deliveries);
    QFETCH(int, registrations);
    QFETCH(int, msPerAnswer);

    Link s;
    ScriptedWadapi::setTimeSource([&s, msPerAnswer] {
        s.clock.advance(msPerAnswer);
        return s.clock.nowMs();
    });
    ScriptedWadapi::queueStatuses(statuses);
    s.link.EspText(QStringLiteral("Bob"), QStringLiteral("hello"));

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

void ChatLinkTest::trimsTheTranscript_data()
{
    QTest::addColumn<QByteArray>("delivered");
    QTest::addColumn<QString>("stored");

    // The client ends the text with four bytes of its own, from five bytes on.
    QTest::newRow("four bytes cut nothing") << QByteArray("abcd") << QStringLiteral("abcd");
    QTest::newRow("five keep one") << QByteArray("abcde") << QStringLiteral("a");
    QTest::newRow("trailing line ends go, inner stay")
        << QByteArray("one\r\ntwo\r\n\r\nWXYZ") << QStringLiteral("one\r\ntwo");
    QTest::newRow("a lone line feed stays") << QByteArray("one\nWXYZ") << QStringLiteral("one\n");
    QTest::newRow("code page") << QByteArray("\x80 Zo\xEB\r\nWXYZ") << QString::fromUtf8("€ Zoë");
}

void ChatLinkTest::trimsTheTranscript()
{
    QFETCH(QByteArray, delivered);
    QFETCH(QString, stored);

    Link s;
    ScriptedWadapi::setTranscriptBytes(delivered);
    s.link.ReadTranscript();
    QCOMPARE(s.link.Transcript(), stored);
}

void ChatLinkTest::speaksTheClientsCodePage()
{
    Link s;
    s.link.SayText(QString::fromUtf8("Zoë wins 5€"));
    s.link.SayText(qint64(5));
    QCOMPARE(ScriptedWadapi::said(ChatLink::kRoom), (QList<QByteArray>{"Zo\xEB wins 5\x80", "5"}));
    QCOMPARE(ScriptedWadapi::calls().last().target, QByteArray("Belmor"));
}

void ChatLinkTest::pausesForTheDelaySetting_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<qint64>("waitedMs");
    QTest::addColumn<bool>("eventsRun");

    QTest::newRow("zero returns at once") << QStringLiteral("0") << qint64(0) << false;
    QTest::newRow("negative returns at once") << QStringLiteral("-1") << qint64(0) << false;
    QTest::newRow("not a number") << QStringLiteral("slow") << qint64(0) << false;
    QTest::newRow("a fraction") << QStringLiteral("0.25") << qint64(250) << true;
    QTest::newRow("held to a minute") << QStringLiteral("99999") << qint64(60000) << true;
}

void ChatLinkTest::pausesForTheDelaySetting()
{
    QFETCH(QString, delay);
    QFETCH(qint64, waitedMs);
    QFETCH(bool, eventsRun);

    Link s;
    HostSettings settings;
    settings.setItem(HostSettings::Delay, delay);
    bool ran = false;
    QTimer::singleShot(0, &s.link, [&ran] { ran = true; });
    const qint64 start = s.clock.nowMs();
    pacingPause(s.link, settings);
    QCOMPARE(s.clock.nowMs() - start, waitedMs);
    QCOMPARE(ran, eventsRun);
    QCoreApplication::processEvents();
}

void ChatLinkTest::pausesOnTheRealClockUntilTheLinkCloses()
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

    // Closing ends a long pause at once, and every call after it.
    QTimer::singleShot(20, &link, &ChatLink::KillDDE);
    link.Pause(30.0);
    QVERIFY(elapsed.elapsed() < 5000);
    link.SayText(QStringLiteral("after the end"));
    link.KillDDE();
    QCOMPARE(countCalls(QStringLiteral("DapiCommunicate")), 0);
    QCOMPARE(countCalls(QStringLiteral("KillDDE")), 1);
}
