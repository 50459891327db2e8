#include "prizelisttest.h"

#include "core/filestore.h"
#include "settings/prizelist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileContent(const QTemporaryDir &dir)
{
    QFile file(dir.filePath(u"Prizes.txt"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void PrizeListTest::scrollingShowsTheBoxAndSavesAllPrizes()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PrizeList prizes(store);
    prizes.setPrize(0, u"A hat, red"_s);
    QCOMPARE(prizes.caption(), u"Prize # 1"_s);

    prizes.VScroll1_Change(1);
    QCOMPARE(prizes.page(), 1);
    QCOMPARE(prizes.caption(), u"Prize # 2"_s);
    QCOMPARE(fileContent(dir), QByteArray("\"A hat, red\"\r\n") + QByteArray("\"\"\r\n").repeated(9));

    prizes.VScroll1_Change(9);
    QCOMPARE(prizes.caption(), u"Prize # 10"_s);
}

void PrizeListTest::editsReachTheFileOnlyWithTheNextScroll()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    {
        PrizeList prizes(store);
        prizes.restoreDefaults();
        prizes.VScroll1_Change(0);
        prizes.setPrize(3, u"typed after the last scroll"_s);
    }
    PrizeList next(store);
    next.load();
    QCOMPARE(next.prize(3), u"Prize #4"_s);
    QCOMPARE(next.prize(9), u"Prize #10"_s);
    QCOMPARE(next.page(), 0);
}

void PrizeListTest::readsWhatTheFileSupplies_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("prizes");

    QStringList empty(10);
    QTest::newRow("no file") << QByteArray() << empty;
    QStringList two = empty;
    two[0] = u"Gold"_s;
    two[1] = u"Silver"_s;
    QTest::newRow("short file") << QByteArray("\"Gold\"\r\n\"Silver\"\r\n") << two;
    QStringList cleaned = empty;
    cleaned[0] = u"one two"_s;
    cleaned[1] = u"nul"_s;
    QTest::newRow("line breaks and NULs are cleaned")
        << QByteArray("\"one\r\ntwo\"\r\n\"n\0ul\"\r\n", 20) << cleaned;
    QStringList binary = empty;
    binary[0] = QString::fromLatin1("\x01\x02\xFF");
    QTest::newRow("binary") << QByteArray("\x01\x02\xFF") << binary;
}

void PrizeListTest::readsWhatTheFileSupplies()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, prizes);

    QTemporaryDir dir;
    if (!file.isEmpty()) {
        QFile out(dir.filePath(u"Prizes.txt"_s));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    FileStore store(dir.path(), dir.path());
    PrizeList list(store);
    list.load();
    for (int i = 0; i < PrizeList::kCount; ++i)
        QCOMPARE(list.prize(i), prizes[i]);
}
