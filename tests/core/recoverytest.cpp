#include "recoverytest.h"

#include "core/filestore.h"
#include "core/playerlists.h"
#include "core/recovery.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QTemporaryDir &dir)
{
    QFile file(dir.filePath(u"Recover.bak"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    QFile file(dir.filePath(u"Recover.bak"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QList<QStringList> contents(const PlayerLists &lists)
{
    QList<QStringList> all;
    for (const PlayerList *list : lists.all())
        all << list->names();
    return all;
}

} // namespace

void RecoveryTest::writesTheExactFormat()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PlayerLists lists;
    Recovery recovery(lists, store);

    QVERIFY(recovery.WriteRecovery());
    QCOMPARE(readFile(dir), QByteArray()); // all empty: 0 bytes

    lists.lstAvatars.add(u"Bo"_s);
    lists.lstAvatars.add(u"Ann"_s);
    lists.List1.add(u"Cy"_s);
    QVERIFY(recovery.WriteRecovery());
    QCOMPARE(readFile(dir), QByteArray("lstAvatars\r\nAnn\r\nlstAvatars\r\nBo\r\nList1\r\nCy\r\n"));
}

void RecoveryTest::listsComeBackAsTheyWere_data()
{
    QTest::addColumn<QList<QStringList>>("lists");

    QTest::newRow("every list") << QList<QStringList>{{u"Ann"_s, u"bob"_s, u"Cy"_s}, {u"Zed"_s, u"Amy"_s},
                                                      {u"Host"_s, QString()}, {u"Zed"_s, u"Amy"_s}, {u"x"_s}};
    QTest::newRow("names that read like tags")
        << QList<QStringList>{{u"List3"_s, u"lstAvatars"_s}, {u"List1"_s}, {}, {u"List2"_s}, {}};
    QTest::newRow("commas, quotes, code page letters")
        << QList<QStringList>{{u"Smith, John"_s, u"\"Q\""_s}, {u"Zoë €"_s}, {}, {u" lead"_s}, {}};
    QTest::newRow("markup and control characters stay text")
        << QList<QStringList>{{u"<b>Bo</b> & co"_s, u"tab\there"_s, u"cr\ronly"_s}, {}, {}, {u"lf\nonly"_s}, {}};
    QTest::newRow("all empty") << QList<QStringList>{{}, {}, {}, {}, {}};
}

void RecoveryTest::listsComeBackAsTheyWere()
{
    QFETCH(QList<QStringList>, lists);

    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PlayerLists saved;
    for (int i = 0; i < 5; ++i) {
        for (const QString &name : lists[i])
            saved.all()[i]->add(name);
    }
    Recovery(saved, store).WriteRecovery();

    PlayerLists restored;
    restored.List3.add(u"stale"_s);
    QVERIFY(Recovery(restored, store).ReadRecovery());
    QCOMPARE(contents(restored), contents(saved));
}

void RecoveryTest::readsOddFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QStringList>>("lists");

    QTest::newRow("sorted lists sort again, the others keep file order")
        << QByteArray("List4\r\nZed\r\nlstAvatars\r\nbo\r\nList4\r\nAmy\r\nlstAvatars\r\nAl\r\nList3\r\nZed\r\n"
                      "List3\r\nAmy\r\nList1\r\nb\r\nList1\r\na\r\n")
        << QList<QStringList>{{u"Al"_s, u"bo"_s}, {u"b"_s, u"a"_s}, {}, {u"Zed"_s, u"Amy"_s}, {u"Amy"_s, u"Zed"_s}};
    QTest::newRow("a tag in other letters is passed over, and so is its entry")
        << QByteArray("list1\r\nCy\r\nList1\r\nDee\r\n") << QList<QStringList>{{}, {u"Dee"_s}, {}, {}, {}};
    QTest::newRow("an entry is never taken as a tag")
        << QByteArray("List1\r\nList3\r\nAnn\r\n") << QList<QStringList>{{}, {u"List3"_s}, {}, {}, {}};
    QTest::newRow("a tag on the last line ends the file")
        << QByteArray("List1\r\nCy\r\nList2") << QList<QStringList>{{}, {u"Cy"_s}, {}, {}, {}};
    QTest::newRow("the last line without its line end") << QByteArray("List2\r\nHost")
                                                         << QList<QStringList>{{}, {}, {u"Host"_s}, {}, {}};
    QTest::newRow("blanks before a tag") << QByteArray("  List1\r\nCy\r\n")
                                         << QList<QStringList>{{}, {u"Cy"_s}, {}, {}, {}};
    QTest::newRow("empty file") << QByteArray() << QList<QStringList>{{}, {}, {}, {}, {}};
    QTest::newRow("binary bytes") << QByteArray("List1\r\n\x01\xFF\x80\r\n\xFE\xFE\r\n")
                                  << QList<QStringList>{{}, {QString::fromUtf8("\x01ÿ€")}, {}, {}, {}};
}

void RecoveryTest::readsOddFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QStringList>, lists);

    QTemporaryDir dir;
    writeFile(dir, file);
    FileStore store(dir.path(), dir.path());
    PlayerLists restored;
    restored.lstAvatars.add(u"stale"_s);
    QVERIFY(Recovery(restored, store).ReadRecovery());
    QCOMPARE(contents(restored), lists);
}

void RecoveryTest::aMissingFileLeavesTheLists()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PlayerLists lists;
    lists.List3.add(u"Ann"_s);
    QVERIFY(!Recovery(lists, store).ReadRecovery());
    QCOMPARE(lists.List3.names(), QStringList{u"Ann"_s});
}

void RecoveryTest::aSaveDuringARestoreWaitsForIt()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PlayerLists lists;
    for (const QString &name : {u"Ann"_s, u"Bo"_s, u"Cy"_s})
        lists.List3.add(name);
    Recovery recovery(lists, store);
    recovery.WriteRecovery();
    const QByteArray before = readFile(dir);

    // The host clicks while the restore lets events run: a saving operation
    // and a second "Recover".
    QByteArray duringRestore;
    bool secondRestore = true;
    QTimer::singleShot(0, &recovery, [&] {
        QVERIFY(recovery.isRestoring());
        lists.List1.add(u"Won"_s);
        QVERIFY(recovery.WriteRecovery());
        secondRestore = recovery.ReadRecovery();
        duringRestore = readFile(dir);
    });
    QVERIFY(recovery.ReadRecovery());

    QVERIFY(!secondRestore);
    QCOMPARE(duringRestore, before); // untouched while the restore ran
    QCOMPARE(lists.List3.names(), (QStringList{u"Ann"_s, u"Bo"_s, u"Cy"_s}));
    QCOMPARE(readFile(dir), Recovery::format(lists)); // the waiting save came right after
    QVERIFY(readFile(dir).contains("List1\r\nWon\r\n"));
}

void RecoveryTest::aFailedSaveLeavesTheLists()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(u"program"_s);
    QDir().mkpath(program);
    FileStore store(program, dir.filePath(u"user"_s));
    PlayerLists lists;
    lists.List2.add(u"Host"_s);
    Recovery recovery(lists, store);
    QVERIFY(QDir(program).removeRecursively());
    QVERIFY(!recovery.WriteRecovery());
    QCOMPARE(lists.List2.names(), QStringList{u"Host"_s});
    QVERIFY(!store.notice().isEmpty());
}
