// A long evening through the journal: 2,000 registrations, 500 draws and
// 300 Lister calls, each entry written by the real writer and synced to disk;
// then the whole file verified, and the lists restored to entries of it.
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
    std::vector<double> noteLatencies; // a pick's note hashes the players list
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
            QElapsedTimer noting;
            noting.start();
            journal.notePick(seed, all[0]->count(), index, winner);
            noteLatencies.push_back(msSince(noting));
            all[0]->removeAt(index);
            all[1]->add(winner);
            append(u"draw"_s, {{u"round"_s, ++draws}, {u"prize"_s, u"A prize from the list"_s}});
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
    std::sort(noteLatencies.begin(), noteLatencies.end());
    std::printf("  noting a pick:  median %.3f ms, max %.3f ms (the players list hashed)\n",
                noteLatencies[noteLatencies.size() / 2], noteLatencies.back());
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
    return allWritten && verified.ok && verified.draws == 500 && restored ? 0 : 1;
}
