#include "settingstests.h"

#include "core/filestore.h"
#include "settings/prizelist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Prizes reach Prizes.txt, all ten, with each move of the scroll bar and
// only then.
void SettingsTest::prizesAreSavedWhenTheScrollBarMoves()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PrizeList prizes(store);
    const auto saved = [&dir] {
        QFile file(dir.filePath(u"Prizes.txt"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    const QByteArray empty("\"\"\r\n");

    prizes.setPrize(0, u"A hat, red"_s);
    QCOMPARE(saved(), QByteArray("(none)"));
    prizes.VScroll1_Change(1);
    QCOMPARE(prizes.page(), 1);
    prizes.setPrize(3, u"typed after the move"_s);
    QCOMPARE(saved(), "\"A hat, red\"\r\n" + empty.repeated(9));
    prizes.VScroll1_Change(0);
    QCOMPARE(saved(), "\"A hat, red\"\r\n" + empty.repeated(2) + "\"typed after the move\"\r\n" + empty.repeated(6));
}

// Start-up reads the prizes the file has, each on one line without NULs;
// the prizes it lacks stay empty.
void SettingsTest::loadingReadsEachPrizeOnOneLine()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"Prizes.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\"one\r\ntwo\"\r\n\"n\0ul\"\r\n", 20));
    file.close();
    FileStore store(dir.path(), dir.path());
    PrizeList prizes(store);
    prizes.load();

    QStringList expected(PrizeList::kCount);
    expected[0] = u"one two"_s;
    expected[1] = u"nul"_s;
    QStringList loaded;
    for (int i = 0; i < PrizeList::kCount; ++i)
        loaded << prizes.prize(i);
    QCOMPARE(loaded, expected);
}
