#include "endtoendtest.h"

#include "roomprocess.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The real program, started on the offscreen platform against a socket name.
bool startRaffler(QProcess &raffler, const QString &socketName)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"WADAPI_ROOM"_s, socketName);
    raffler.setProcessEnvironment(environment);
    raffler.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    raffler.start(QStringLiteral(RAFFLER_PATH), {});
    return raffler.waitForStarted(10000);
}

} // namespace

void EndToEndTest::startsAndClosesTheLinkOnTermination()
{
    RoomProcess room;
    QVERIFY(room.start());
    QProcess raffler;
    QVERIFY(startRaffler(raffler, room.socketName()));
    QTRY_COMPARE_WITH_TIMEOUT(room.log(u"InitDDE"_s).size(), 1, 20000);
    QCOMPARE(room.log(u"InitDDE"_s).first().value(u"app").toString(), u"raffler"_s);
    QCOMPARE(raffler.state(), QProcess::Running);

    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QCOMPARE(raffler.exitCode(), 0);
    QCOMPARE(room.log(u"KillDDE"_s).size(), 1);
}

void EndToEndTest::doesNotStartWithoutARoom()
{
    // Something listens but never answers: the program gives up on it.
    QLocalServer silent;
    QVERIFY(silent.listen(RoomProcess::uniqueSocketName()));
    QProcess raffler;
    QVERIFY(startRaffler(raffler, silent.serverName()));
    QVERIFY(silent.waitForNewConnection(20000));
    QLocalSocket *link = silent.nextPendingConnection();
    QSignalSpy gone(link, &QLocalSocket::disconnected);
    QVERIFY(link->state() != QLocalSocket::ConnectedState || gone.wait(20000));

    // Its error box is modal and nobody can click it away on the offscreen
    // platform; a termination request there ends the program with a failure.
    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QVERIFY(raffler.exitCode() != 0);
}
