// A long evening through the journal: 2,000 registrations, 500 draws and
// 300 Lister calls, each entry written by the real writer and synced to disk;
// then the whole file verified, and the lists restored to entries of it.
// Then a crowded evening of 300,000 list inserts, verified and restored.
#include "core/playerlists.h"
#include "journal/journalreader.h"
#include "journal/journalrestore.h"
#include "journal/journalverifier.h"
#include "journal/journalwriter.h"
#include "journal/pick.h"
#include "journal/seedmaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTime>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double msSince(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The lists right after entry seq, read from the file as a restore does.
std::optional<ListState> restore(const QString &path, qint64 seq, double *ms)
{
    QElapsedTimer timer;
    timer.start();
    const JournalContents contents = JournalReader::read(path);
    std::optional<ListState> state = JournalRestore::stateAfter(contents.entries, seq);
    *ms = msSince(timer);
    return state;
}

const char *verdict(bool met)
{
    return met ? "met" : "NOT met";
}

// A raffle pick as the game records it.
PickRecord pickOf(const QStringList &players, const QByteArray &seed, int index)
{
    return {.seed = seed,
            .count = static_cast<int>(players.size()),
            .index = index,
            .winner = players.at(index),
            .playersHash = ListState::hashOf(players),
            .seal = {},
            .draw = 0};
}

// A crowded evening, about 10 MB of journal: 1,000 Get Regs of 100 names,
// each name put at its place in the sorted players list and ledger and at
// the end of the queue (300,000 inserts, most in the middle of a long list),
// and a draw after every 100th. Replaying it must stay linear in its size.
bool crowdedEvening(const QString &folder)
{
    PlayerLists lists;
    const auto all = lists.all();
    JournalWriter journal(lists, folder, u"bench"_s);
    SeedMaker seeds;
    QRandomGenerator random(11);
    bool allWritten = true;
    int inserts = 0;
    int draws = 0;
    QElapsedTimer timer;
    timer.start();
    for (int getReg = 1; getReg <= 1000; ++getReg) {
        for (int i = 0; i < 100; ++i) {
            const QString name = u"P%1"_s.arg(random.bounded(10'000'000), 7, 10, QChar(u'0'));
            all[2]->add(name);
            all[0]->add(name);
            all[3]->add(name);
            inserts += 3;
        }
        allWritten = journal.append(u"getreg"_s, {{u"game"_s, u"raffle"_s}}) && allWritten;
        if (getReg % 100 != 0)
            continue;
        const QByteArray seed = seeds.next(QTime::currentTime().msecsSinceStartOfDay());
        const int index = static_cast<int>(Pick::index(seed, static_cast<quint64>(all[0]->count())));
        const QString winner = all[0]->at(index);
        allWritten = journal.appendPick(pickOf(all[0]->names(), seed, index)) && allWritten;
        all[0]->removeAt(index);
        all[1]->add(winner);
        ++inserts;
        allWritten = journal.append(u"draw"_s,
                                    {{u"round"_s, ++draws},
                                     {u"winners"_s, QJsonArray{winner}},
                                     {u"prize"_s, u"A prize from the list"_s}})
            && allWritten;
    }
    const double writeMs = msSince(timer);
    std::printf("\n%lld entries of a crowded evening, %d list inserts, %.2f MB, written in %.1f s%s\n",
                static_cast<long long>(journal.lastSeq()), inserts,
                static_cast<double>(QFileInfo(journal.path()).size()) / 1e6, writeMs / 1000,
                allWritten ? "" : "  (SOME APPENDS FAILED)");

    timer.restart();
    const JournalContents contents = JournalReader::read(journal.path());
    const double readMs = msSince(timer);
    const JournalVerdict verified = JournalVerifier::verify(contents);
    const double verifyMs = msSince(timer);
    std::printf("  read and verify:  %.1f ms (read %.1f ms), %s   target under 1 s -> %s\n", verifyMs, readMs,
                qPrintable(verified.text()), verdict(verifyMs < 1000.0));

    double restoreMs = 0;
    const std::optional<ListState> atLast = restore(journal.path(), journal.lastSeq(), &restoreMs);
    const bool restored = atLast && *atLast == ListState::of(lists);
    std::printf("  read and restore to the last entry: %.1f ms   target under 1 s -> %s\n", restoreMs,
                verdict(restoreMs < 1000.0));
    std::printf("  the last entry's lists %s the lists in memory\n", restored ? "match" : "DO NOT MATCH");
    return allWritten && verified.ok && verified.draws == draws && restored;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Beside the program, on a real disk: a temporary folder may be in memory,
    // where syncing costs nothing.
    QTemporaryDir dir(QCoreApplication::applicationDirPath() + u"/journal-XXXXXX"_s);
    PlayerLists lists;
    const auto all = lists.all();
    JournalWriter journal(lists, dir.path(), u"bench"_s);
    SeedMaker seeds;
    QRandomGenerator random(7);

    std::vector<double> latencies;
    std::vector<double> pickLatencies; // a pick's entry hashes the players list
    bool allWritten = true;
    const auto append = [&](const QString &op, const QJsonObject &fields) {
        QElapsedTimer timer;
        timer.start();
        allWritten = journal.append(op, fields) && allWritten;
        latencies.push_back(msSince(timer));
    };

    append(u"start"_s, {{u"mode"_s, u"raffle"_s}});
    for (int i = 0; i < 2000; ++i) {
        const QString name = u"Player %1 of the evening"_s.arg(random.bounded(100000));
        all[2]->add(name);
        all[0]->add(name);
        all[3]->add(name);
        // As a Get Reg records it: who came in by which line.
        const QJsonObject taken{{u"who"_s, name}, {u"line"_s, u"ESP from "_s + name + u": $"_s}};
        append(u"getreg"_s, {{u"game"_s, u"raffle"_s}, {u"taken"_s, QJsonArray{taken}}, {u"refused"_s, QJsonArray()}});
    }
    int draws = 0;
    int calls = 0;
    while (draws < 500 || calls < 300) {
        if (draws < 500 && (calls >= 300 || draws * 3 <= calls * 5)) {
            const QByteArray seed = seeds.next(QTime::currentTime().msecsSinceStartOfDay());
            const int index = static_cast<int>(Pick::index(seed, static_cast<quint64>(all[0]->count())));
            const QString winner = all[0]->at(index);
            QElapsedTimer picking;
            picking.start();
            allWritten = journal.appendPick(pickOf(all[0]->names(), seed, index)) && allWritten;
            pickLatencies.push_back(msSince(picking));
            latencies.push_back(pickLatencies.back());
            all[0]->removeAt(index);
            all[1]->add(winner);
            append(
                u"draw"_s,
                {{u"round"_s, ++draws}, {u"winners"_s, QJsonArray{winner}}, {u"prize"_s, u"A prize from the list"_s}});
        } else {
            const QString name = all[3]->at(0);
            all[3]->removeAt(0);
            all[4]->add(name);
            ++calls;
            append(u"call"_s, {{u"called"_s, calls}});
        }
    }

    std::vector<double> sorted = latencies;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    const double p99 = sorted[sorted.size() * 99 / 100];
    const qint64 size = QFileInfo(journal.path()).size();
    std::printf("%zu entries written and synced to %s%s\n", latencies.size(), qPrintable(journal.path()),
                allWritten ? "" : "  (SOME APPENDS FAILED)");
    std::printf("  append latency: median %.3f ms, p99 %.3f ms, max %.3f ms   target p99 under 5 ms -> %s\n", median,
                p99, sorted.back(), verdict(p99 < 5.0));
    std::sort(pickLatencies.begin(), pickLatencies.end());
    std::printf("  recording a pick: median %.3f ms, max %.3f ms (the players list hashed, the entry synced)\n",
                pickLatencies[pickLatencies.size() / 2], pickLatencies.back());
    std::printf("  journal size:   %.2f MB   target under 5 MB -> %s\n", static_cast<double>(size) / 1e6,
                verdict(size < 5'000'000));

    QElapsedTimer timer;
    timer.start();
    const JournalVerdict verified = JournalVerifier::verify(journal.path());
    const double verifyMs = msSince(timer);
    std::printf("  verify:         %.1f ms, %s\n", verifyMs, qPrintable(verified.text()));

    const qint64 last = journal.lastSeq();
    const qint64 middle = 1 + random.bounded(last);
    double randomMs = 0;
    double lastMs = 0;
    const std::optional<ListState> atRandom = restore(journal.path(), middle, &randomMs);
    const std::optional<ListState> atLast = restore(journal.path(), last, &lastMs);
    const bool restored = atRandom && atLast && *atLast == ListState::of(lists);
    std::printf("  restore to entry %lld: %.1f ms, to the last entry %lld: %.1f ms (file read and replay)   target "
                "under 100 ms -> %s\n",
                static_cast<long long>(middle), randomMs, static_cast<long long>(last), lastMs,
                verdict(std::max(randomMs, lastMs) < 100.0));
    std::printf("  the last entry's lists %s the lists in memory\n", restored ? "match" : "DO NOT MATCH");
    const bool crowded = crowdedEvening(dir.path() + u"/crowded"_s);
    return allWritten && verified.ok && verified.draws == 500 && restored && crowded ? 0 : 1;
}
