#include "filestoretest.h"

#include "core/filestore.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

void FileStoreTest::writesIntoTheProgramDirectory()
{
    QTemporaryDir program, fallback;
    FileStore store(program.path(), fallback.path() + u"/data"_s);
    QVERIFY(!store.usesFallback());
    QVERIFY(store.notice().isEmpty());
    QVERIFY(store.write(u"Recover.bak"_s, "abc"));
    QCOMPARE(store.read(u"Recover.bak"_s).value(), QByteArray("abc"));
    QVERIFY(QFile::exists(program.filePath(u"Recover.bak"_s)));
    QVERIFY(!store.read(u"Missing.txt"_s));
}

void FileStoreTest::fallsBackWhenTheProgramDirectoryCannotBeWritten()
{
    // A directory below a plain file can be created by nobody, root included.
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath(u"file"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString program = scratch.filePath(u"file/program"_s);
    const QString fallback = scratch.filePath(u"user/data"_s);

    FileStore store(program, fallback);
    QVERIFY(store.usesFallback());
    QVERIFY(store.notice().contains(QDir::toNativeSeparators(fallback)));
    QVERIFY(store.write(u"Settings.txt"_s, "\"$\"\r\n"));
    QVERIFY(QFile::exists(fallback + u"/Settings.txt"_s));
    QCOMPARE(store.read(u"Settings.txt"_s).value(), QByteArray("\"$\"\r\n"));
}

void FileStoreTest::aFailedWriteKeepsTheOldFileAndSaysSo()
{
    QTemporaryDir scratch;
    const QString program = scratch.filePath(u"program"_s);
    QDir().mkpath(program);
    FileStore store(program, scratch.filePath(u"fallback"_s));
    QVERIFY(store.write(u"Prizes.txt"_s, "old"));

    // The directory goes away under the program's feet.
    QVERIFY(QDir(program).removeRecursively());
    QSignalSpy notices(&store, &FileStore::noticeChanged);
    QVERIFY(!store.write(u"Prizes.txt"_s, "new"));
    QCOMPARE(notices.count(), 1);
    QVERIFY(store.notice().contains(u"Prizes.txt"_s));

    // A later good write clears the notice again.
    QDir().mkpath(program);
    QVERIFY(store.write(u"Prizes.txt"_s, "new"));
    QVERIFY(store.notice().isEmpty());
}

void FileStoreTest::readsOnlyTheStartOfAHugeFile()
{
    QTemporaryDir program;
    FileStore store(program.path(), program.path());
    QFile huge(program.filePath(u"Settings.txt"_s));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(FileStore::kMaxReadBytes + 4096));
    huge.close();
    QCOMPARE(store.read(u"Settings.txt"_s)->size(), FileStore::kMaxReadBytes);
}
