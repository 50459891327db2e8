#include "macros/macrofiles.h"

#include "macros/macrobank.h"
#include "macrostests.h"
#include "support/scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList numbered()
{
    QStringList texts;
    for (int i = 0; i < MacroBank::kCount; ++i)
        texts << u"macro "_s + QString::number(i);
    return texts;
}

// A bank and its files in a folder of their own; the host picks the names.
struct Files
{
    QTemporaryDir dir;
    MacroBank bank;
    ScriptedPrompts prompts;
    MacroFiles files{bank, prompts, dir.path()};

    // "Save" or "Load": the host picks `name`, or cancels when it is empty.
    void use(bool save, const QString &name)
    {
        if (!name.isEmpty())
            prompts.answers << dir.filePath(name);
        if (save)
            files.GetSaveAsName(u"This File Name"_s, dir.path());
        else
            files.GetOpenName(dir.path());
    }
};

} // namespace

// A bank is saved as twenty quoted records in the code page and loads back
// whole; a short file changes only the macros it holds.
void MacroTest::aSavedBankIsTwentyRecordsAndLoadsBackWhole()
{
    Files f;
    QStringList texts(MacroBank::kCount);
    texts[0] = u"say \"hi\"\r\n\r\nZoë €"_s;
    texts[19] = u"bye, all"_s;
    f.bank.setTexts(texts);
    f.use(true, u"bank.mac"_s);
    QCOMPARE(readAll(f.dir.filePath(u"bank.mac"_s)),
             "\"say \"\"hi\"\"\r\n\r\nZo\xEB \x80\"\r\n" + QByteArray("\"\"\r\n").repeated(18) + "\"bye, all\"\r\n");

    f.bank.setTexts(numbered());
    f.use(false, u"bank.mac"_s);
    QCOMPARE(f.bank.texts(), texts);

    f.bank.setTexts(numbered());
    writeAll(f.dir.filePath(u"short.mac"_s), "\"first\"\r\n\"\"\r\n");
    f.use(false, u"short.mac"_s);
    QStringList expected = numbered();
    expected[0] = u"first"_s;
    expected[1] = QString();
    QCOMPARE(f.bank.texts(), expected);
    QVERIFY(f.prompts.messages.isEmpty());
}

// The dialogs list *.mac files where they are asked to open, and a name
// typed without extension gets ".mac". A cancelled dialog, or a file that
// cannot be read or written, changes no macro and no file; a failed file is
// named to the host.
void MacroTest::aFailedOrCancelledLoadOrSaveChangesNothing_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("name"); // empty: cancelled
    QTest::newRow("cancelling a save") << true << QString();
    QTest::newRow("cancelling a load") << false << QString();
    QTest::newRow("loading a missing file") << false << u"gone.mac"_s;
    QTest::newRow("loading a folder") << false << u"folder.mac"_s;
    QTest::newRow("saving over a folder") << true << u"folder.mac"_s;
    QTest::newRow("saving below a plain file") << true << u"plain/inside.mac"_s;
}

void MacroTest::aFailedOrCancelledLoadOrSaveChangesNothing()
{
    QFETCH(bool, save);
    QFETCH(QString, name);

    Files f;
    QDir(f.dir.path()).mkdir(u"folder.mac"_s);
    writeAll(f.dir.filePath(u"plain"_s), "x");
    const QStringList files = QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    f.bank.setTexts(numbered());
    f.use(save, name);

    QCOMPARE(f.prompts.requests.size(), 1);
    const Prompts::FileRequest &asked = f.prompts.requests[0];
    QCOMPARE(asked.directory, f.dir.path());
    QCOMPARE(asked.fileName, save ? u"This File Name"_s : QString());
    QCOMPARE(asked.patterns, QStringList{u"*.mac"_s});
    QCOMPARE(asked.defaultSuffix, u"mac"_s);
    QVERIFY(asked.detailedView);
    QCOMPARE(f.bank.texts(), numbered());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    QVERIFY(QFileInfo(f.dir.filePath(u"folder.mac"_s)).isDir());
    QCOMPARE(readAll(f.dir.filePath(u"plain"_s)), QByteArray("x"));
    QCOMPARE(f.prompts.messages.size(), name.isEmpty() ? 0 : 1);
    if (!name.isEmpty()) {
        QVERIFY(f.prompts.messages[0].error);
        QVERIFY(f.prompts.messages[0].text.contains(name.section(u'/', -1)));
    }
}
