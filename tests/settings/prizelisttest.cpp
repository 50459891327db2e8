#include "settings/prizelist.h"

#include "core/filestore.h"
#include "settingstests.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Start-up reads the prizes the file has, each on one line without NULs, and
// the prizes it lacks stay empty. Prizes.txt is written again, all ten, with
// each move of the scroll bar and only then.
void SettingsTest::prizesAreReadWholeAndSavedWhenTheScrollBarMoves()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    const QByteArray damaged("\"one\r\ntwo\"\r\n\"n\0ul\"\r\n", 20);
    QVERIFY(store.write(u"Prizes.txt"_s, damaged));
    PrizeList prizes(store);
    prizes.load();
    const auto saved = [&dir] {
        QFile file(dir.filePath(u"Prizes.txt"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    const QByteArray loaded("\"one two\"\r\n\"nul\"\r\n"), empty("\"\"\r\n");

    prizes.setPrize(2, u"A hat, red"_s);
    QCOMPARE(saved(), damaged);
    prizes.setPage(1);
    QCOMPARE(prizes.page(), 1);
    QCOMPARE(prizes.caption(), u"Prize # 2"_s);
    prizes.setPrize(3, u"typed after the move"_s);
    QCOMPARE(saved(), loaded + "\"A hat, red\"\r\n" + empty.repeated(7));
    prizes.setPage(0);
    QCOMPARE(saved(), loaded + "\"A hat, red\"\r\n\"typed after the move\"\r\n" + empty.repeated(6));

    // "Restore Defults" names the prizes by their places.
    prizes.restoreDefaults();
    QCOMPARE(prizes.prize(0), u"Prize #1"_s);
    QCOMPARE(prizes.prize(9), u"Prize #10"_s);
}
