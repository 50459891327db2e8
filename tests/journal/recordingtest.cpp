#include "recordingtest.h"

#include "core/playerlists.h"
#include "journal/listrecorder.h"
#include "journal/liststate.h"
#include "journal/pick.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

void RecordingTest::pickFollowsFromTheSeed_data()
{
    // Worked out apart from the program, with Python's hashlib:
    //   c = 0; while True: x = int.from_bytes(sha256(seed + c.to_bytes(4, 'big')).digest()[:8], 'big');
    //   if x < 2**64 - 2**64 % n: return x % n  else c += 1
    // The last three rows take a count just over 2^63, where about half of
    // all x fall in the uneven tail: their seeds were searched for a first
    // accepted c of 0, 1 and 2.
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<quint64>("count");
    QTest::addColumn<quint64>("index");

    const QByteArray zeros(32, '\0');
    const QByteArray counting = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
    const quint64 overHalf = (quint64(1) << 63) + 1;
    QTest::newRow("one player") << zeros << quint64(1) << quint64(0);
    QTest::newRow("1000, counting seed") << counting << quint64(1000) << quint64(379);
    QTest::newRow("empty seed") << QByteArray() << quint64(6) << quint64(5);
    QTest::newRow("short seed") << QByteArray(5, '\xff') << quint64(1000) << quint64(233);
    QTest::newRow("tail: first try taken")
        << QByteArray::fromHex("6af3282072f37dca6001d4dd057dd331340194b93062e99914b8111f7a10db3e") << overHalf
        << quint64(2869157256958757072);
    QTest::newRow("tail: one try rejected")
        << QByteArray::fromHex("6548155023bfdacc0b0cf47d7c98abdd37bfdef23ba563fb64afdeacd02c9cd9") << overHalf
        << quint64(2004219861982301686);
    QTest::newRow("tail: two tries rejected")
        << QByteArray::fromHex("dacfb2576795105e4138a519b6d93b9f292734e99bd6b6c9b3407361146de5ba") << overHalf
        << quint64(368903249713891419);
}

void RecordingTest::pickFollowsFromTheSeed()
{
    QFETCH(QByteArray, seed);
    QFETCH(quint64, count);
    QFETCH(quint64, index);
    QCOMPARE(Pick::index(seed, count), index);
}

void RecordingTest::replayRebuildsTheLists_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("pool");       // distinct names to draw from: a small pool repeats names
    QTest::addColumn<int>("clearOneIn"); // edits per clear, on average

    QTest::newRow("many names, rare clears") << 1u << 400 << 400;
    QTest::newRow("few names: duplicates and case twins") << 2u << 8 << 60;
    QTest::newRow("frequent clears") << 3u << 30 << 6;
}

// Random edits on real lists, sorted and not, taken in batches of random
// size; each batch goes through JSON text and is replayed, and the replayed
// lists must match the real ones exactly, order, duplicates and case.
void RecordingTest::replayRebuildsTheLists()
{
    QFETCH(quint32, seed);
    QFETCH(int, pool);
    QFETCH(int, clearOneIn);

    QRandomGenerator random(seed);
    const QStringList odd{u"ann"_s,   u"Ann"_s,  u"ANN"_s,       QString(),
                          u"Zoë €"_s, u"a\nb"_s, u"\"q\", %1"_s, u"Ann \U0001F600"_s};
    const auto nameFor = [&](int n) { return n < odd.size() ? odd.at(n) : u"Player %1"_s.arg(n % 50); };

    PlayerLists lists;
    lists.all()[3]->add(u"there before"_s);
    ListRecorder recorder(lists);
    ListState replayed;
    int nextTake = 0;
    for (int step = 0; step < 3000; ++step) {
        PlayerList *list = lists.all()[random.bounded(5)];
        if (random.bounded(clearOneIn) == 0)
            list->clear();
        else if (list->count() > 0 && random.bounded(3) == 0)
            list->removeAt(random.bounded(list->count()));
        else
            list->add(nameFor(random.bounded(pool)));
        if (step < nextTake)
            continue;
        nextTake = step + 1 + random.bounded(20);

        QJsonArray changes;
        for (const ListEdit &edit : recorder.take())
            changes.append(edit.toJson());
        const QJsonArray read = QJsonDocument::fromJson(QJsonDocument(changes).toJson()).array();
        QString problem;
        QVERIFY2(replayed.apply(read, 0, read.size(), &problem), qPrintable(problem));
        for (std::size_t i = 0; i < 5; ++i)
            QCOMPARE(replayed.lists[i], lists.all()[i]->names());
    }
}
