#include "crashsafetytest.h"

#include "core/playerlists.h"
#include "core/quotedlines.h"
#include "core/recovery.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList fields(const QByteArray &bytes)
{
    QuotedLines::Reader reader(bytes);
    QStringList values;
    while (const auto value = reader.next())
        values << *value;
    return values;
}

// The round a value was written in, or -1.
int roundOf(const QString &value, const QString &prefix)
{
    const QRegularExpressionMatch match = QRegularExpression(u"^"_s + prefix + u" (\\d+)$"_s).match(value);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The files of one run, checked as whole versions. A file that once held
// something never becomes empty again.
void checkFiles(const QString &dir, QSet<QString> &written)
{
    for (const QString &name : {u"Recover.bak"_s, u"Settings.txt"_s, u"Prizes.txt"_s}) {
        const bool empty = contentOf(dir + u'/' + name).isEmpty();
        QVERIFY2(!(empty && written.contains(name)), qPrintable(name + u" lost its content"_s));
        if (!empty)
            written.insert(name);
    }
    const QByteArray recovery = contentOf(dir + u"/Recover.bak"_s);
    PlayerLists lists;
    for (const auto &[list, entry] : Recovery::parse(recovery)) {
        QVERIFY2(QRegularExpression(u"^(P\\d+|)$"_s).match(entry).hasMatch(), qPrintable(entry));
        lists.all()[list]->add(entry);
    }
    QCOMPARE(Recovery::format(lists), recovery); // a cut line or record would not come back the same

    const QByteArray settingsBytes = contentOf(dir + u"/Settings.txt"_s);
    if (!settingsBytes.isEmpty()) {
        const QStringList settings = fields(settingsBytes);
        QCOMPARE(settings.size(), 20);
        QVERIFY(settingsBytes.endsWith("\"\r\n"));
        const int round = roundOf(settings[17], u"Welcome"_s);
        QVERIFY2(round > 0, qPrintable(settings[17]));
        QCOMPARE(roundOf(settings[10], u"That won"_s), round);
    }

    const QByteArray prizeBytes = contentOf(dir + u"/Prizes.txt"_s);
    if (!prizeBytes.isEmpty()) {
        const QStringList prizes = fields(prizeBytes);
        QCOMPARE(prizes.size(), 10);
        const int round = roundOf(prizes[0], u"First prize"_s);
        QVERIFY2(round > 0, qPrintable(prizes[0]));
        QCOMPARE(roundOf(prizes[9], u"Last prize"_s), round);
    }
}

} // namespace

void CrashSafetyTest::filesSurviveKillsAtRandomMoments()
{
    const int kills = qEnvironmentVariableIntValue("RAFFLER_SOAK") ? 300 : 25;
    QTemporaryDir dir;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    int roundsSeen = 0;
    QSet<QString> written;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess storm;
        storm.setProgram(QStringLiteral(SAVESTORM_PATH));
        storm.setArguments({dir.path()});
        storm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        storm.start();
        QVERIFY(storm.waitForStarted(10000));
        // Let it save for a random while, then kill it without warning.
        QVERIFY(!storm.waitForFinished(static_cast<int>(random.bounded(150, 700))));
        storm.kill();
        QVERIFY(storm.waitForFinished(10000));
        checkFiles(dir.path(), written);
        if (QTest::currentTestFailed()) {
            qWarning("after kill %d", kill + 1);
            return;
        }
        roundsSeen = std::max(roundsSeen, roundOf(fields(contentOf(dir.filePath(u"Settings.txt"_s))).value(17),
                                                  u"Welcome"_s));
    }
    QVERIFY2(roundsSeen > kills, "the storm saved too little to prove anything");
    qInfo("%d kills, %d rounds of saves; files left: %s", kills, roundsSeen,
          qPrintable(QDir(dir.path()).entryList(QDir::Files).join(u", "_s)));
}
