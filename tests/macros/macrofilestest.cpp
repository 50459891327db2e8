#include "macrofilestest.h"

#include "macros/macrobank.h"
#include "macros/macrofiles.h"
#include "support/scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Texts = QMap<int, QString>;

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

struct Files
{
    QTemporaryDir dir;
    MacroBank bank;
    ScriptedPrompts prompts;
    MacroFiles files{bank, prompts, dir.path()};

    QString path(const QString &name) const { return dir.filePath(name); }
    QString save(const QString &name)
    {
        prompts.answers << path(name);
        return files.GetSaveAsName(u"This File Name"_s, dir.path());
    }
    QString load(const QString &name)
    {
        prompts.answers << path(name);
        return files.GetOpenName(dir.path());
    }
};

} // namespace

void MacroFilesTest::savingWritesTwentyQuotedRecords_data()
{
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QByteArray>("file");

    const QByteArray empty("\"\"\r\n");
    QTest::newRow("twenty empty macros") << Texts{} << empty.repeated(20);
    QTest::newRow("two lines in one record")
        << Texts{{0, u"A\r\nB"_s}} << QByteArray("\"A\r\nB\"\r\n") + empty.repeated(19);
    QTest::newRow("last macro last") << Texts{{19, u"bye"_s}} << empty.repeated(19) + "\"bye\"\r\n";
    QTest::newRow("a quote is doubled")
        << Texts{{1, u"say \"hi\""_s}} << empty + "\"say \"\"hi\"\"\"\r\n" + empty.repeated(18);
    QTest::newRow("Windows-1252") << Texts{{0, u"Zoë €"_s}} << QByteArray("\"Zo\xEB \x80\"\r\n") + empty.repeated(19);
}

void MacroFilesTest::savingWritesTwentyQuotedRecords()
{
    QFETCH(Texts, texts);
    QFETCH(QByteArray, file);

    Files f;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        f.bank.setText(it.key(), it.value());
    QCOMPARE(f.save(u"bank.mac"_s), f.path(u"bank.mac"_s));
    QCOMPARE(readAll(f.path(u"bank.mac"_s)), file);
    QVERIFY(f.prompts.messages.isEmpty());
}

void MacroFilesTest::aSavedBankLoadsBackWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("two lines") << u"A\r\nB"_s;
    QTest::newRow("empty lines inside") << u"A\r\n\r\n\r\nB\r\n"_s;
    QTest::newRow("quotes") << u"\"quoted\" and \"\"doubled\"\""_s;
    QTest::newRow("a lone quote") << u"5\" tall"_s;
    QTest::newRow("commas") << u"one, two, three"_s;
    QTest::newRow("Windows-1252 letters") << u"Zoë, Ærø & Œuvre € ™"_s;
    QTest::newRow("leading blanks") << u"   indented"_s;
}

void MacroFilesTest::aSavedBankLoadsBackWhole()
{
    QFETCH(QString, text);

    Files f;
    QStringList texts = numbered();
    texts[4] = text;
    texts[5] = QString();
    f.bank.setTexts(texts);
    f.save(u"bank.mac"_s);

    MacroBank other;
    ScriptedPrompts prompts;
    MacroFiles files(other, prompts, f.dir.path());
    prompts.answers << f.path(u"bank.mac"_s);
    files.GetOpenName(f.dir.path());
    QCOMPARE(other.texts(), texts);
}

void MacroFilesTest::loadingReadsWhatTheFileHolds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Texts>("changed"); // macros that differ from "macro i" afterwards

    QTest::newRow("a short file fills what it has")
        << QByteArray("\"first\"\r\n\"second\r\nline\"\r\n") << Texts{{0, u"first"_s}, {1, u"second\r\nline"_s}};
    QTest::newRow("an empty file changes nothing") << QByteArray() << Texts{};
    QTest::newRow("unquoted fields end at a comma")
        << QByteArray("a,b\r\nc\r\n") << Texts{{0, u"a"_s}, {1, u"b"_s}, {2, u"c"_s}};
    QTest::newRow("an empty record empties its macro") << QByteArray("\"\"\r\n\"x\"\r\n")
                                                       << Texts{{0, QString()}, {1, u"x"_s}};
    QTest::newRow("an unclosed quote runs to the end")
        << QByteArray("\"open\r\nstill") << Texts{{0, u"open\r\nstill"_s}};
    QByteArray many;
    for (int i = 0; i < 25; ++i)
        many += "\"n" + QByteArray::number(i) + "\"\r\n";
    Texts twenty;
    for (int i = 0; i < 20; ++i)
        twenty[i] = u"n"_s + QString::number(i);
    QTest::newRow("fields past twenty are left") << many << twenty;
}

void MacroFilesTest::loadingReadsWhatTheFileHolds()
{
    QFETCH(QByteArray, file);
    QFETCH(Texts, changed);

    Files f;
    f.bank.setTexts(numbered());
    writeAll(f.path(u"in.mac"_s), file);
    QCOMPARE(f.load(u"in.mac"_s), f.path(u"in.mac"_s));

    QStringList expected = numbered();
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        expected[it.key()] = it.value();
    QCOMPARE(f.bank.texts(), expected);
    QVERIFY(f.prompts.messages.isEmpty());
}

void MacroFilesTest::bothDialogsAskAsTheHostExpects()
{
    Files f;
    f.files.GetSaveAsName(u"This File Name"_s, u"/start/here"_s);
    f.files.GetOpenName(u"/start/there"_s);
    f.files.setUseHook(false);
    f.files.GetOpenName(u"/start/there"_s);

    QCOMPARE(f.prompts.requests.size(), 3);
    const Prompts::FileRequest &save = f.prompts.requests[0];
    QCOMPARE(save.title, u"Save File As..."_s);
    QCOMPARE(save.directory, u"/start/here"_s);
    QCOMPARE(save.fileName, u"This File Name"_s);
    QCOMPARE(save.filterName, u"Macro Files (.mac)"_s);
    QCOMPARE(save.patterns, QStringList{u"*.mac"_s});
    QCOMPARE(save.defaultSuffix, u"mac"_s); // a name typed without extension ends in ".mac"
    QVERIFY(save.detailedView);

    const Prompts::FileRequest &open = f.prompts.requests[1];
    QCOMPARE(open.title, u"Open A File"_s);
    QCOMPARE(open.directory, u"/start/there"_s);
    QCOMPARE(open.filterName, u"Macro Files (.mac)"_s);
    QCOMPARE(open.patterns, QStringList{u"*.mac"_s});
    QVERIFY(open.detailedView);
    QVERIFY(!f.prompts.requests[2].detailedView);
}

void MacroFilesTest::cancellingChangesNothing()
{
    Files f;
    f.bank.setTexts(numbered());
    QSignalSpy changes(&f.bank, &MacroBank::textChanged);
    QCOMPARE(f.files.GetOpenName(f.dir.path()), QString());
    QCOMPARE(f.files.GetSaveAsName(u"This File Name"_s, f.dir.path()), QString());
    f.files.Command4_Click();
    f.files.Command5_Click();

    QCOMPARE(f.prompts.requests.size(), 4);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(f.bank.texts(), numbered());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
    QVERIFY(f.prompts.messages.isEmpty());
}

void MacroFilesTest::aFileThatCannotBeReadChangesNoMacro_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << u"gone.mac"_s;
    QTest::newRow("a folder") << u"folder.mac"_s;
    QTest::newRow("below a file") << u"plain/inside.mac"_s;
}

void MacroFilesTest::aFileThatCannotBeReadChangesNoMacro()
{
    QFETCH(QString, name);

    Files f;
    QDir(f.dir.path()).mkdir(u"folder.mac"_s);
    writeAll(f.path(u"plain"_s), "x");
    f.bank.setTexts(numbered());
    f.load(name);

    QCOMPARE(f.bank.texts(), numbered());
    QCOMPARE(f.prompts.messages.size(), 1);
    QVERIFY(f.prompts.messages[0].error);
    QCOMPARE(f.prompts.messages[0].title, u"Open A File"_s);
    QVERIFY(f.prompts.messages[0].text.contains(name.section(u'/', -1)));
}

void MacroFilesTest::aFailedSaveKeepsTheEarlierFile()
{
    Files f;
    writeAll(f.path(u"plain"_s), "x");
    f.bank.setTexts(numbered());
    f.save(u"plain/inside.mac"_s);
    QCOMPARE(f.prompts.messages.size(), 1);
    QVERIFY(f.prompts.messages[0].error);
    QCOMPARE(f.prompts.messages[0].title, u"Save File As..."_s);
    QCOMPARE(readAll(f.path(u"plain"_s)), QByteArray("x"));

    // A folder in the way: the save fails and the folder stays.
    QDir(f.dir.path()).mkdir(u"folder.mac"_s);
    f.save(u"folder.mac"_s);
    QCOMPARE(f.prompts.messages.size(), 2);
    QVERIFY(QFileInfo(f.path(u"folder.mac"_s)).isDir());
    QCOMPARE(f.bank.texts(), numbered());
}

void MacroFilesTest::theSecondPairWritesPlainLines()
{
    Files f;
    f.bank.setText(0, u"Hello, all"_s);
    f.bank.setText(1, u"Zoë"_s);
    f.prompts.answers << f.path(u"plain.mac"_s);
    f.files.Command4_Click();
    QCOMPARE(readAll(f.path(u"plain.mac"_s)), QByteArray("Hello, all\r\nZo\xEB\r\n") + QByteArray("\r\n").repeated(18));
    const Prompts::FileRequest &save = f.prompts.requests[0];
    QCOMPARE(save.patterns, QStringList{u"*.mac"_s});
    QCOMPARE(save.defaultSuffix, u"mac"_s);
    QCOMPARE(save.directory, f.dir.path());

    // Loading reads fields: the comma splits the first line, and the fields
    // after it move one macro on.
    f.bank.setTexts(numbered());
    f.prompts.answers << f.path(u"plain.mac"_s);
    f.files.Command5_Click();
    QStringList expected{u"Hello"_s, u"all"_s, u"Zoë"_s};
    while (expected.size() < MacroBank::kCount)
        expected << QString();
    QCOMPARE(f.bank.texts(), expected);
}
