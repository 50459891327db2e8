#include "storagetest.h"

#include "core/filestore.h"
#include "core/playerlist.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QTemporaryDir &dir)
{
    QFile file(dir.filePath(u"Recover.bak"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QList<QStringList> contents(const PlayerLists &lists)
{
    QList<QStringList> all;
    for (const PlayerList *list : lists.all())
        all << list->names();
    return all;
}

// Takes the right to create files in a folder away for its lifetime: its
// permission bits, and for root, who ignores those, the immutable flag.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path)
        : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
#ifdef Q_OS_LINUX
        if (!isWritable())
            return;
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (m_fd >= 0 && ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
#endif
    }
    ~ReadOnlyFolder()
    {
#ifdef Q_OS_LINUX
        int flags = 0;
        if (m_fd >= 0 && ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        if (m_fd >= 0)
            ::close(m_fd);
#endif
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isWritable() const
    {
        QTemporaryFile probe(QDir(m_path).filePath(u"probe-XXXXXX"_s));
        return probe.open();
    }

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace

void StorageTest::writesWholeFilesOrFallsBack()
{
    QTemporaryDir scratch;
    const QString program = scratch.filePath(u"program"_s);
    QDir().mkpath(program);
    FileStore store(program, scratch.filePath(u"fallback"_s));
    QVERIFY(!store.usesFallback());
    QVERIFY(store.notice().isEmpty());
    QVERIFY(store.write(u"Prizes.txt"_s, "old"));
    QVERIFY(store.write(u"Prizes.txt"_s, "new"));
    QCOMPARE(store.read(u"Prizes.txt"_s).value(), QByteArray("new"));
    QVERIFY(!store.read(u"Missing.txt"_s));
    // The replacement leaves nothing half-written behind.
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList{u"Prizes.txt"_s});

    // The directory goes away under the program's feet: the host is told once.
    QVERIFY(QDir(program).removeRecursively());
    QSignalSpy notices(&store, &FileStore::noticeChanged);
    QVERIFY(!store.write(u"Prizes.txt"_s, "lost"));
    QCOMPARE(notices.count(), 1);
    QVERIFY(store.notice().contains(u"Prizes.txt"_s));
    // A later good write clears the notice again.
    QDir().mkpath(program);
    QVERIFY(store.write(u"Prizes.txt"_s, "back"));
    QVERIFY(store.notice().isEmpty());

#ifdef RAFFLER_HAS_FILE_SIZE_LIMIT
    // A write that fails part-way, here at the file size limit, leaves the
    // old file whole and nothing half-written beside it.
    {
        const FileSizeLimit limit(4096);
        QVERIFY(!store.write(u"Prizes.txt"_s, QByteArray(64 * 1024, 'x')));
    }
    QCOMPARE(store.read(u"Prizes.txt"_s).value(), QByteArray("back"));
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList{u"Prizes.txt"_s});
    QVERIFY(store.notice().contains(u"Prizes.txt"_s));
#endif

    // A huge file is damage, not data: only its start is read.
    QFile huge(QDir(program).filePath(u"Settings.txt"_s));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(FileStore::kMaxReadBytes + 4096));
    huge.close();
    QCOMPARE(store.read(u"Settings.txt"_s)->size(), FileStore::kMaxReadBytes);

    // A directory below a plain file can be created by nobody, root included.
    const QString fallback = scratch.filePath(u"user/data"_s);
    FileStore fallingBack(huge.fileName() + u"/program"_s, fallback);
    QVERIFY(fallingBack.usesFallback());
    QVERIFY(fallingBack.notice().contains(QDir::toNativeSeparators(fallback)));
    QVERIFY(fallingBack.write(u"Settings.txt"_s, "\"$\"\r\n"));
    QVERIFY(QFile::exists(fallback + u"/Settings.txt"_s));
    QCOMPARE(fallingBack.read(u"Settings.txt"_s).value(), QByteArray("\"$\"\r\n"));
}

// The program's folder holds an earlier run's files but can no longer be
// written (an installed copy, a read-only share): they are still read until
// the first save puts a newer copy into the fallback folder.
void StorageTest::aFolderThatCannotBeWrittenIsStillRead()
{
    QTemporaryDir scratch;
    const QString program = scratch.filePath(u"program"_s);
    QDir().mkpath(program);
    const QStringList files{u"Settings.txt"_s, u"Prizes.txt"_s, u"Recover.bak"_s};
    for (const QString &name : files)
        QVERIFY(FileStore(program, program).write(name, name.toLatin1()));
    const ReadOnlyFolder readOnly(program);
    if (readOnly.isWritable())
        QSKIP("this machine lets the test write into any folder");

    FileStore store(program, scratch.filePath(u"user"_s));
    QVERIFY(store.usesFallback());
    for (const QString &name : files)
        QCOMPARE(store.read(name).value_or("<missing>"), name.toLatin1());
    QVERIFY(store.write(u"Prizes.txt"_s, "newer"));
    QCOMPARE(store.read(u"Prizes.txt"_s).value_or("<missing>"), QByteArray("newer"));
    QCOMPARE(store.read(u"Settings.txt"_s).value_or("<missing>"), QByteArray("Settings.txt"));
}

void StorageTest::writesTheExactFormatAndReadsItBack()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PlayerLists lists;
    Recovery recovery(lists, store);
    QVERIFY(recovery.WriteRecovery());
    QCOMPARE(readFile(dir), QByteArray()); // all empty: 0 bytes

    lists.players.add(u"Bo"_s);
    lists.players.add(u"Ann"_s);
    lists.winners.add(u"Smith, John"_s);
    lists.winners.add(u"List3"_s);         // reads like a tag
    lists.ledger.add(u"Ann \U0001F600"_s); // outside the code page
    lists.queue.add(QString());
    lists.called.add(u"Zoë € \"q\" <b>a\rb\nc</b>"_s);
    QVERIFY(recovery.WriteRecovery());
    QCOMPARE(readFile(dir),
             QByteArray("lstAvatars\r\nAnn\r\nlstAvatars\r\nBo\r\nList1\r\nSmith, John\r\nList1\r\nList3\r\n"
                        "List2\r\nAnn ?\r\nList3\r\n\r\nList4\r\nZo\xEB \x80 \"q\" <b>a\rb\nc</b>\r\n"));

    PlayerLists restored;
    restored.queue.add(u"stale"_s);
    QVERIFY(Recovery(restored, store).ReadRecovery());
    lists.ledger.removeAt(0);
    lists.ledger.add(u"Ann ?"_s);
    QCOMPARE(contents(restored), contents(lists));

    // A missing file, or a directory in its place that can be neither read nor
    // replaced, leaves the lists as they are.
    QVERIFY(QFile::remove(dir.filePath(u"Recover.bak"_s)));
    QVERIFY(!Recovery(restored, store).ReadRecovery());
    QVERIFY(QDir(dir.path()).mkdir(u"Recover.bak"_s));
    QVERIFY(!Recovery(restored, store).ReadRecovery());
    QVERIFY(!Recovery(restored, store).WriteRecovery());
    QVERIFY(store.notice().contains(u"Recover.bak"_s));
    QCOMPARE(contents(restored), contents(lists));
}

void StorageTest::readsOddFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QStringList>>("lists");

    QTest::newRow("sorted lists sort again, the others keep file order")
        << QByteArray("List4\r\nZed\r\nlstAvatars\r\nbo\r\nList4\r\nAmy\r\nlstAvatars\r\nAl\r\nList3\r\nZed\r\n"
                      "List3\r\nAmy\r\nList1\r\nb\r\nList1\r\na\r\n")
        << QList<QStringList>{{u"Al"_s, u"bo"_s}, {u"b"_s, u"a"_s}, {}, {u"Zed"_s, u"Amy"_s}, {u"Amy"_s, u"Zed"_s}};
    QTest::newRow("a tag in other letters is passed over with its entry, blanks before a tag are not")
        << QByteArray("list1\r\nCy\r\n  List1\r\nDee\r\n") << QList<QStringList>{{}, {u"Dee"_s}, {}, {}, {}};
    QTest::newRow("a tag on the last line ends the file")
        << QByteArray("List1\r\nCy\r\nList2") << QList<QStringList>{{}, {u"Cy"_s}, {}, {}, {}};
    QTest::newRow("the last line without its line end")
        << QByteArray("List2\r\nHost") << QList<QStringList>{{}, {}, {u"Host"_s}, {}, {}};
    QTest::newRow("empty file") << QByteArray() << QList<QStringList>{{}, {}, {}, {}, {}};
    QTest::newRow("binary bytes") << QByteArray("List1\r\n\x01\xFF\x80\r\n\xFE\xFE\r\n")
                                  << QList<QStringList>{{}, {u"\x01ÿ€"_s}, {}, {}, {}};
}

void StorageTest::readsOddFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QStringList>, lists);

    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    QVERIFY(store.write(u"Recover.bak"_s, file));
    PlayerLists restored;
    restored.players.add(u"stale"_s);
    QVERIFY(Recovery(restored, store).ReadRecovery());
    QCOMPARE(contents(restored), lists);
}

void StorageTest::aSaveDuringARestoreWaitsForIt()
{
    QTemporaryDir dir;
    FileStore store(dir.path(), dir.path());
    PlayerLists lists;
    for (const QString &name : {u"Ann"_s, u"Bo"_s, u"Cy"_s})
        lists.queue.add(name);
    Recovery recovery(lists, store);
    recovery.WriteRecovery();
    const QByteArray before = readFile(dir);

    // The host clicks while the restore lets events run: a saving operation
    // and a second "Recover".
    QByteArray duringRestore;
    bool secondRestore = true;
    QTimer::singleShot(0, &recovery, [&] {
        QVERIFY(recovery.isRestoring());
        lists.winners.add(u"Won"_s);
        QVERIFY(recovery.WriteRecovery());
        secondRestore = recovery.ReadRecovery();
        duringRestore = readFile(dir);
    });
    QVERIFY(recovery.ReadRecovery());

    QVERIFY(!secondRestore);
    QCOMPARE(duringRestore, before); // untouched while the restore ran
    QCOMPARE(lists.queue.names(), (QStringList{u"Ann"_s, u"Bo"_s, u"Cy"_s}));
    QCOMPARE(readFile(dir), Recovery::format(lists)); // the waiting save came right after
}

void StorageTest::addsAtTheRightPlace_data()
{
    // Lists in order of addition are proven by the recovery file rows.
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("sorted, ignoring case")
        << QStringList{u"bob"_s, u"Ann"_s, u"Cy"_s, u"al"_s} << QStringList{u"al"_s, u"Ann"_s, u"bob"_s, u"Cy"_s};
    QTest::newRow("equal names keep their order, duplicates stand twice")
        << QStringList{u"bob"_s, u"Bob"_s, u"a"_s, u"bob"_s} << QStringList{u"a"_s, u"bob"_s, u"Bob"_s, u"bob"_s};
}

void StorageTest::addsAtTheRightPlace()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, shown);

    PlayerList list(u"List"_s, PlayerList::Order::Sorted);
    for (const QString &name : added)
        list.add(name);
    QCOMPARE(list.names(), shown);
    QCOMPARE(list.data(list.index(shown.size() - 1), Qt::DisplayRole).toString(), shown.last());
}

void StorageTest::selectionStaysOnItsEntry()
{
    PlayerList list(u"lstAvatars"_s, PlayerList::Order::Sorted);
    list.add(u"Bo"_s);
    list.add(u"Dee"_s);
    list.setSelected(1);
    list.add(u"Al"_s); // lands before the selected entry
    QCOMPARE(list.selectedName(), u"Dee"_s);
    list.add(u"Cy"_s); // lands in the selected entry's row
    QCOMPARE(list.selectedName(), u"Dee"_s);
    list.removeAt(0);
    QCOMPARE(list.selectedName(), u"Dee"_s);
    list.removeAt(list.selected());
    QCOMPARE(list.selected(), -1);
    list.setSelected(5); // past the end selects nothing
    QCOMPARE(list.selected(), -1);
}
