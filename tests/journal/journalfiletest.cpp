#include "journalfiletest.h"

#include "core/playerlists.h"
#include "journal/journalreader.h"
#include "journal/journalrestore.h"
#include "journal/journalverifier.h"
#include "journal/journalwriter.h"
#include "journal/liststate.h"
#include "journal/pick.h"
#include "support/filesizelimit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A second a call from 23:14:05 at UTC+1.
JournalWriter::TimeSource fixedClock()
{
    auto time = std::make_shared<QDateTime>(QDate(2026, 12, 6), QTime(23, 14, 5), QTimeZone(3600));
    return [time] { return std::exchange(*time, time->addSecs(1)); };
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A short evening: seq 1 the start, 2 to 13 registrations, 14 to 22 four
// presses of Draw, each a pick and a draw (the last press picks twice), 23 to
// 25 Lister calls, 26 the winners cleared.
constexpr int kFirstPick = 14;
constexpr int kEntries = 26;

struct Evening
{
    QTemporaryDir dir;
    PlayerLists lists;
    QList<ListState> after; // after[seq]: the lists right after that entry
    QString path;
};

QString pickWinner(JournalWriter &journal, Evening &evening, int draw)
{
    PlayerList &players = *evening.lists.all()[0];
    const QByteArray seed = QCryptographicHash::hash("seed " + QByteArray::number(draw), QCryptographicHash::Sha256);
    const int index = static_cast<int>(Pick::index(seed, static_cast<quint64>(players.count())));
    const QString winner = players.at(index);
    if (!journal.appendPick({seed, players.count(), index, winner, ListState::hashOf(players.names()), {}, 0}))
        return {};
    evening.after << ListState::of(evening.lists);
    players.removeAt(index);
    evening.lists.all()[1]->add(winner);
    return winner;
}

void writeEvening(Evening &evening)
{
    const auto all = evening.lists.all();
    JournalWriter journal(evening.lists, evening.dir.path(), u"1.0.7"_s, fixedClock());
    const auto append = [&](const QString &op, const QJsonObject &fields = {}) {
        QVERIFY2(journal.append(op, fields), qPrintable(journal.problem()));
        evening.after << ListState::of(evening.lists);
    };
    evening.after << ListState();
    append(u"start"_s, {{u"mode"_s, u"raffle"_s}});
    const QStringList names{u"Ann"_s, u"bo"_s,  u"Cy"_s,  u"ann"_s,       u"Dee"_s,   u"Bo"_s,
                            u"Eve"_s, u"Zoë"_s, u"Ann"_s, u"\uFEFFFay"_s, u"\"q\""_s, u"a\nb"_s};
    for (const QString &name : names) {
        all[2]->add(name);
        all[0]->add(name);
        all[3]->add(name);
        append(u"getreg"_s, {{u"taken"_s, 1}});
    }
    for (int draw = 1; draw <= 4; ++draw) {
        QStringList winners{pickWinner(journal, evening, draw)};
        if (draw == 4)
            winners << pickWinner(journal, evening, 5);
        QVERIFY(!winners.contains(QString()));
        append(u"draw"_s,
               {{u"round"_s, draw}, {u"prize"_s, u"A hat"_s}, {u"winners"_s, QJsonArray::fromStringList(winners)}});
    }
    for (int call = 0; call < 3; ++call) {
        all[4]->add(all[3]->at(0));
        all[3]->removeAt(0);
        append(u"call"_s);
    }
    all[1]->clear();
    append(u"reset"_s);
    evening.path = journal.path();
}

} // namespace

void JournalFileTest::namesTheFileByItsStart()
{
    QTemporaryDir dir;
    PlayerLists lists;
    {
        JournalWriter first(lists, dir.path(), u"1.0.7"_s, fixedClock());
        JournalWriter second(lists, dir.path(), u"1.0.7"_s, fixedClock()); // started in the same second
        QVERIFY(first.open());
        QVERIFY(second.open());
        QCOMPARE(first.path(), dir.filePath(u"Journal/2026-12-06_23-14-05.jsonl"_s));
        QCOMPARE(second.path(), dir.filePath(u"Journal/2026-12-06_23-14-05-2.jsonl"_s));
        QCOMPARE(readAll(first.path()),
                 "{\"journal\":\"Corvane's Raffler\",\"version\":1,\"program\":\"1.0.7\","
                 "\"started\":\"2026-12-06T23:14:05.000+01:00\",\"pick\":\"sha256-reject-v1\"}\n");
        QVERIFY(second.append(u"macro"_s));
    }
    // The run that recorded nothing leaves no file; the other keeps its own.
    QCOMPARE(QDir(dir.filePath(u"Journal"_s)).entryList(QDir::Files), QStringList{u"2026-12-06_23-14-05-2.jsonl"_s});
    QCOMPARE(JournalWriter::timeText(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6), QTimeZone(-9000))),
             u"2026-01-02T03:04:05.006-02:30"_s);
}

void JournalFileTest::aFailedAppendSpoilsNothing_data()
{
    QTest::addColumn<bool>("zeroed"); // the file system left zeros where the cut line began
    QTest::newRow("the start of a line left") << false;
    QTest::newRow("zeros left instead") << true;
}

void JournalFileTest::aFailedAppendSpoilsNothing()
{
#ifndef RAFFLER_HAS_FILE_SIZE_LIMIT
    QSKIP("no file size limit here to fill the disk with");
#else
    QFETCH(bool, zeroed);
    QTemporaryDir dir;
    PlayerLists lists;
    JournalWriter journal(lists, dir.path(), u"1.0.7"_s, fixedClock());
    QSignalSpy problems(&journal, &JournalWriter::problemChanged);
    lists.all()[2]->add(u"Ann"_s);
    QVERIFY(journal.append(u"start"_s));
    const qint64 size = QFileInfo(journal.path()).size();
    {
        // The disk fills up in the middle of a long entry.
        const FileSizeLimit limit(static_cast<rlim_t>(size + 100));
        lists.all()[2]->add(u"Bo"_s);
        QVERIFY(!journal.append(u"getreg"_s, {{u"note"_s, QString(5000, u'x')}}));
        QVERIFY(QFileInfo(journal.path()).size() > size); // a line was begun
        QVERIFY(!journal.problem().isEmpty());
        QCOMPARE(problems.count(), 1);
        const JournalContents cut = JournalReader::read(journal.path());
        QVERIFY(cut.damage.isEmpty());
        QCOMPARE(cut.entries.size(), 1);
        lists.all()[2]->add(u"Cy"_s);
        QVERIFY(!journal.append(u"getreg"_s));
    }
    if (zeroed) {
        QFile file(journal.path());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(size));
        QVERIFY(file.write(QByteArray(file.size() - size, '\0')) > 0);
    }
    lists.all()[2]->add(u"Dee"_s);
    QVERIFY(journal.append(u"getreg"_s));
    QVERIFY(journal.problem().isEmpty());
    lists.all()[2]->add(u"Eve"_s);
    QVERIFY(journal.append(u"getreg"_s));

    // Every entry made it, the failed ones included, and the lists replay whole.
    const JournalContents contents = JournalReader::read(journal.path());
    QVERIFY(contents.damage.isEmpty());
    QCOMPARE(contents.tornLines, zeroed ? 1 : 0);
    QCOMPARE(contents.entries.size(), 5);
    QVERIFY(JournalVerifier::verify(contents).ok);
    QCOMPARE(JournalRestore::stateAfter(contents.entries, 5)->lists[2], lists.all()[2]->names());
#endif
}

// A Journal that cannot be made beside the other files goes to the per-user
// folder, and the host is told where.
void JournalFileTest::fallsBackToThePerUserFolder()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(u"Journal"_s)); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    PlayerLists lists;
    JournalWriter journal(lists, dir.path(), u"1.0.7"_s, fixedClock());
    journal.setFallbackDirectory(dir.filePath(u"user"_s));
    QVERIFY(journal.append(u"start"_s));
    QVERIFY(journal.path().startsWith(dir.filePath(u"user/Journal/"_s)));
    QVERIFY2(journal.problem().contains(u"kept in"_s), qPrintable(journal.problem()));
    QVERIFY(journal.append(u"macro"_s));
    QCOMPARE(JournalReader::read(journal.path()).entries.size(), 2);
}

void JournalFileTest::restoresTheListsOfAnyEntry()
{
    Evening evening;
    writeEvening(evening);
    const JournalContents contents = JournalReader::read(evening.path);
    QCOMPARE(JournalVerifier::verify(contents).text(), u"5 draws verified"_s);
    for (int seq = 1; seq <= kEntries; ++seq)
        QCOMPARE(JournalRestore::stateAfter(contents.entries, seq), evening.after[seq]);
    QString problem;
    QVERIFY(!JournalRestore::stateAfter(contents.entries, kEntries + 1, &problem));
    QVERIFY(!problem.isEmpty());

    // Back to the last registration, through the lists' own edits and into the
    // same journal, which still verifies and replays to the restored lists.
    const ListState target = *JournalRestore::stateAfter(contents.entries, kFirstPick - 1);
    QCOMPARE(JournalRestore::summary(ListState::of(evening.lists), target).text(),
             u"players 7 → 12, queue 9 → 12, called 3 → 0"_s);
    JournalWriter journal(evening.lists, evening.dir.path(), u"1.0.7"_s, fixedClock());
    QVERIFY(JournalRestore::apply(target, evening.lists));
    QVERIFY(journal.append(u"restore"_s, {{u"to"_s, kFirstPick - 1}, {u"file"_s, QFileInfo(evening.path).fileName()}}));
    const JournalContents restored = JournalReader::read(journal.path());
    QVERIFY(JournalVerifier::verify(restored).ok);
    QCOMPARE(JournalRestore::stateAfter(restored.entries, 1), target);
}
