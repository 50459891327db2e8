#include "chattest.h"

#include "chat/chatlink.h"
#include "scriptedwadapi.h"
#include "support/fakeclock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;
using Statuses = QList<std::optional<QByteArray>>;

namespace {

struct Fixture
{
    FakeClock clock;
    ChatLink link{clock};

    Fixture() { link.InitDDE(); }
};

QList<ScriptedWadapi::Call> callsTo(const QString &function)
{
    QList<ScriptedWadapi::Call> found;
    for (const auto &call : ScriptedWadapi::calls()) {
        if (call.function == function)
            found << call;
    }
    return found;
}

} // namespace

void ChatTest::init()
{
    ScriptedWadapi::reset();
}

void ChatTest::retriesUntilAnOutcome_data()
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

void ChatTest::retriesUntilAnOutcome()
{
    QFETCH(Statuses, statuses);
    QFETCH(int, deliveries);
    QFETCH(int, registrations);
    QFETCH(int, msPerAnswer);

    Fixture s;
    ScriptedWadapi::setTimeSource([&s, msPerAnswer] {
        s.clock.advance(msPerAnswer);
        return s.clock.nowMs();
    });
    ScriptedWadapi::queueStatuses(statuses);
    s.link.EspText(u"Zoë"_s, u"5€ to Zoë"_s);

    const QList<ScriptedWadapi::Call> sent = callsTo(u"DapiCommunicate"_s);
    QCOMPARE(sent.size(), deliveries);
    QCOMPARE(callsTo(u"DapiRegister"_s).size(), registrations);
    for (const auto &call : sent) {
        QCOMPARE(call.mode, ChatLink::kEsp);
        QCOMPARE(call.target, QByteArray("Zo\xEB"));
        QCOMPARE(call.text, QByteArray("5\x80 to Zo\xEB"));
        QCOMPARE(call.appName, QByteArray("test_chat"));
    }
}

void ChatTest::trimsTheTranscript_data()
{
    QTest::addColumn<QByteArray>("delivered");
    QTest::addColumn<QString>("stored");

    // The client ends the text with four bytes of its own, from five bytes on.
    QTest::newRow("four bytes cut nothing") << QByteArray("abcd") << u"abcd"_s;
    QTest::newRow("five keep one") << QByteArray("abcde") << u"a"_s;
    QTest::newRow("trailing line ends go, inner stay") << QByteArray("one\r\ntwo\r\n\r\nWXYZ") << u"one\r\ntwo"_s;
    QTest::newRow("a lone line feed stays") << QByteArray("one\nWXYZ") << u"one\n"_s;
    QTest::newRow("code page") << QByteArray("\x80 Zo\xEB\r\nWXYZ") << u"€ Zoë"_s;
}

void ChatTest::trimsTheTranscript()
{
    QFETCH(QByteArray, delivered);
    QFETCH(QString, stored);

    Fixture s;
    ScriptedWadapi::setTranscriptBytes(delivered);
    s.link.ReadTranscript();
    QCOMPARE(s.link.Transcript(), stored);
}

void ChatTest::pausesOnTheRealClockUntilTheLinkCloses()
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
    link.SayText(u"5"_s);
    QTimer::singleShot(20, &link, &ChatLink::KillDDE);
    link.Pause(30.0);
    QVERIFY(elapsed.elapsed() < 5000);
    link.SayText(u"after the end"_s);
    link.KillDDE();
    QCOMPARE(ScriptedWadapi::said(ChatLink::kRoom), QList<QByteArray>{"5"});
    // The client wants a name even for the room.
    QCOMPARE(callsTo(u"DapiCommunicate"_s).constFirst().target, QByteArray("Belmor"));
    QCOMPARE(callsTo(u"KillDDE"_s).size(), 1);
}
