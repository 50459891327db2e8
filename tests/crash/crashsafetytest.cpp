#include "crashsafetytest.h"

#include "core/playerlists.h"
#include "core/quotedlines.h"
#include "core/recovery.h"
#include "journal/journalreader.h"
#include "journal/journalrestore.h"
#include "journal/journalverifier.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
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

// The round a value was written in, or -1.
int roundOf(const QString &value, const QString &prefix)
{
    const QRegularExpressionMatch match = QRegularExpression(u"^"_s + prefix + u" (\\d+)$"_s).match(value);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A value file is one whole version: it reads back to the same bytes, holds
// every record, and the records stamped with a round all carry the same one.
// Returns that round.
using Stamps = QList<std::pair<int, QString>>; // record, the text before its round
const Stamps kSettingsStamps{{17, u"Welcome"_s}, {10, u"That won"_s}};

int wholeRound(const QByteArray &bytes, int count, const Stamps &stamps)
{
    QStringList values;
    QuotedLines::Reader reader(bytes);
    while (const auto value = reader.next())
        values << *value;
    const int round = roundOf(values.value(stamps[0].first), stamps[0].second);
    bool whole = values.size() == count && QuotedLines::write(values) == bytes && round > 0;
    for (const auto &[index, prefix] : stamps)
        whole = whole && roundOf(values[index], prefix) == round;
    return whole ? round : -1;
}

// The files of one run, checked as whole versions. A file that once held
// something never becomes empty again.
void checkFiles(const QString &dir, QSet<QString> &written)
{
    for (const QString &name : {u"Recover.bak"_s, u"Settings.txt"_s, u"Prizes.txt"_s}) {
        const QByteArray bytes = contentOf(dir + u'/' + name);
        QVERIFY2(!(bytes.isEmpty() && written.contains(name)), qPrintable(name + u" lost its content"_s));
        if (bytes.isEmpty())
            continue;
        written.insert(name);
        if (name == u"Settings.txt")
            QVERIFY2(wholeRound(bytes, 20, kSettingsStamps) > 0, bytes.constData());
        else if (name == u"Prizes.txt")
            QVERIFY2(wholeRound(bytes, 10, {{0, u"First prize"_s}, {9, u"Last prize"_s}}) > 0, bytes.constData());
    }
    const QByteArray recovery = contentOf(dir + u"/Recover.bak"_s);
    PlayerLists lists;
    for (const auto &[list, entry] : Recovery::parse(recovery)) {
        QVERIFY2(QRegularExpression(u"^(P\\d+|)$"_s).match(entry).hasMatch(), qPrintable(entry));
        lists.all()[list]->add(entry);
    }
    QCOMPARE(Recovery::format(lists), recovery); // a cut line or record would not come back the same

    // Every run's journal reads up to its last whole line, a line cut short
    // by the kill left out without complaint, and still proves its draws.
    const QDir journals(dir + u"/Journal"_s);
    for (const QString &name : journals.entryList({u"*.jsonl"_s}, QDir::Files)) {
        const QByteArray bytes = contentOf(journals.filePath(name));
        const JournalContents contents = JournalReader::parse(bytes);
        QVERIFY2(contents.damage.isEmpty(), qPrintable(name + u": "_s + contents.damage));
        QCOMPARE(contents.entries.size() + 1, bytes.count('\n'));
        const JournalVerdict verdict = JournalVerifier::verify(contents);
        QVERIFY2(verdict.ok, qPrintable(name + u": "_s + verdict.text()));
    }
}

// The round of the last "saved K" line the storm printed, or known if none came.
int lastSaved(QProcess &storm, int known)
{
    while (storm.canReadLine()) {
        const QByteArray line = storm.readLine().trimmed();
        if (line.startsWith("saved "))
            known = line.sliced(6).toInt();
    }
    return known;
}

} // namespace

// Each run is killed a random while after it has saved 0 to 3 rounds in
// turn, so kills land in the first, longest round too, however fast the
// machine; the files must then hold every round the storm said it finished.
void CrashSafetyTest::filesSurviveKillsAtRandomMoments()
{
    const int kills = qEnvironmentVariableIntValue("RAFFLER_SOAK") ? 300 : 25;
    QTemporaryDir dir;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    QSet<QString> written;
    int finished = 0; // the last round a storm said it saved
    for (int kill = 0; kill < kills; ++kill) {
        QProcess storm;
        storm.setProgram(QStringLiteral(SAVESTORM_PATH));
        storm.setArguments({dir.path()});
        storm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        storm.start();
        QVERIFY(storm.waitForStarted(10000));
        // Start-up and the rounds take their own time, longest under the
        // sanitizers on a busy machine.
        int saved = -1;
        while (saved < finished + kill % 4) {
            QVERIFY2(storm.waitForReadyRead(60000), "the storm stopped saving");
            saved = lastSaved(storm, saved);
        }
        QVERIFY(!storm.waitForFinished(static_cast<int>(random.bounded(1, 1000))));
        storm.kill();
        QVERIFY(storm.waitForFinished(10000));
        finished = lastSaved(storm, saved);
        checkFiles(dir.path(), written);
        // checkFiles has found the file whole, or never written.
        const QByteArray settings = contentOf(dir.filePath(u"Settings.txt"_s));
        const int round = settings.isEmpty() ? 0 : wholeRound(settings, 20, kSettingsStamps);
        QVERIFY2(round >= finished, qPrintable(u"round %1 was saved, the files hold %2"_s.arg(finished).arg(round)));
        if (QTest::currentTestFailed()) {
            qWarning("after kill %d", kill + 1);
            return;
        }
        finished = round;
    }
    qInfo("%d rounds saved in %d runs", finished, kills);
}

void CrashSafetyTest::aWinnerTheRoomHeardIsOnRecord_data()
{
    QTest::addColumn<int>("winner"); // the one heard, counted from the first
    QTest::newRow("the first winner") << 1;
    QTest::newRow("the fifth winner") << 5;
}

// Killed the moment a winner's line reached the room, the program has that
// winner on record already: the journal's last pick, which verifies and
// restores to the moment of the pick.
void CrashSafetyTest::aWinnerTheRoomHeardIsOnRecord()
{
    QFETCH(int, winner);
    QTemporaryDir dir;
    QProcess storm;
    storm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    storm.start(QStringLiteral(SAVESTORM_PATH), {dir.path(), u"--freeze-at-winner"_s, QString::number(winner)});
    QByteArray heard;
    while (!heard.startsWith("heard ")) {
        if (!storm.canReadLine())
            QVERIFY2(storm.waitForReadyRead(120000), "no winner was said");
        heard = storm.readLine();
    }
    storm.kill();
    QVERIFY(storm.waitForFinished(10000));

    const QStringList journals = QDir(dir.filePath(u"Journal"_s)).entryList({u"*.jsonl"_s}, QDir::Files);
    QCOMPARE(journals.size(), 1);
    const JournalContents contents = JournalReader::read(dir.filePath(u"Journal/"_s + journals[0]));
    QVERIFY2(contents.damage.isEmpty(), qPrintable(contents.damage));
    QList<JournalEntry> picks = contents.entries;
    picks.removeIf([](const JournalEntry &entry) { return !entry.object.contains(u"picks"); });
    QCOMPARE(picks.size(), winner);
    const QJsonObject last = picks.constLast().object;
    QCOMPARE(last.value(u"picks").toArray().last()[u"winner"].toString(), QString::fromUtf8(heard.sliced(6).trimmed()));
    const JournalVerdict verdict = JournalVerifier::verify(contents);
    QVERIFY2(verdict.ok && verdict.draws == winner, qPrintable(verdict.text()));
    QVERIFY(JournalRestore::stateAfter(contents.entries, picks.constLast().seq()));
}
