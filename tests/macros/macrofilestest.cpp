#include "macros/macrofiles.h"

#include "macrostests.h"
#include "support/programfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Presses a "Save" or "Load" button or menu item; the host picks `name`, or
// cancels when it is empty.
void press(ProgramFixture &f, const QString &control, const QString &name)
{
    if (!name.isEmpty())
        f.prompts.answers << f.dir.filePath(name);
    if (auto *button = f.program->window().findChild<QPushButton *>(control))
        button->click();
    else
        f.program->window().findChild<QAction *>(control)->trigger();
}

} // namespace

// A bank is saved as twenty quoted records in the code page and loads back
// whole; a short file changes only the macros it holds.
void MacroTest::aSavedBankIsTwentyRecordsAndLoadsBackWhole()
{
    ProgramFixture f;
    QStringList texts(MacroBank::kCount);
    texts[0] = u"say \"hi\"\r\n\r\nZoë €"_s;
    texts[19] = u"bye, all"_s;
    f.program->macros().setTexts(texts);
    press(f, u"mnuSave"_s, u"bank.mac"_s);
    QCOMPARE(readAll(f.dir.filePath(u"bank.mac"_s)),
             "\"say \"\"hi\"\"\r\n\r\nZo\xEB \x80\"\r\n" + QByteArray("\"\"\r\n").repeated(18) + "\"bye, all\"\r\n");

    f.program->macros().setTexts(numbered());
    press(f, u"Command28"_s, u"bank.mac"_s);
    QCOMPARE(f.program->macros().texts(), texts);

    f.program->macros().setTexts(numbered());
    writeAll(f.dir.filePath(u"short.mac"_s), "\"first\"\r\n\"\"\r\n");
    press(f, u"mnuLoad"_s, u"short.mac"_s);
    QStringList expected = numbered();
    expected[0] = u"first"_s;
    expected[1] = QString();
    QCOMPARE(f.program->macros().texts(), expected);

    // The second pair writes every text as a plain line; loading reads
    // fields, so the comma splits the first line and moves the rest on.
    QStringList plain(MacroBank::kCount);
    plain[0] = u"Hello, all"_s;
    plain[1] = u"Zoë"_s;
    f.program->macros().setTexts(plain);
    f.prompts.answers << f.dir.filePath(u"plain.mac"_s);
    f.program->macroFiles().savePlainLines();
    QCOMPARE(readAll(f.dir.filePath(u"plain.mac"_s)), "Hello, all\r\nZo\xEB\r\n" + QByteArray("\r\n").repeated(18));
    f.program->macros().setTexts(numbered());
    f.prompts.answers << f.dir.filePath(u"plain.mac"_s);
    f.program->macroFiles().loadPlainLines();
    expected = QStringList(MacroBank::kCount);
    expected[0] = u"Hello"_s;
    expected[1] = u"all"_s;
    expected[2] = u"Zoë"_s;
    QCOMPARE(f.program->macros().texts(), expected);
    QVERIFY(f.prompts.messages.isEmpty());
}

// The dialogs list *.mac files where the program keeps its files, and a name
// typed without extension gets ".mac". A cancelled dialog, or a file that
// cannot be read or written, changes no macro and no file; a failed file is
// named to the host.
void MacroTest::aFailedOrCancelledLoadOrSaveChangesNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name"); // empty: cancelled
    QTest::newRow("cancelling a save") << u"Command27"_s << QString();
    QTest::newRow("cancelling a load") << u"Command28"_s << QString();
    QTest::newRow("loading a missing file") << u"Command28"_s << u"gone.mac"_s;
    QTest::newRow("loading a folder") << u"mnuLoad"_s << u"folder.mac"_s;
    QTest::newRow("saving over a folder") << u"Command27"_s << u"folder.mac"_s;
    QTest::newRow("saving below a plain file") << u"mnuSave"_s << u"plain/inside.mac"_s;
}

void MacroTest::aFailedOrCancelledLoadOrSaveChangesNothing()
{
    QFETCH(QString, control);
    QFETCH(QString, name);

    ProgramFixture f;
    QDir(f.dir.path()).mkdir(u"folder.mac"_s);
    writeAll(f.dir.filePath(u"plain"_s), "x");
    const QStringList files = QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    f.program->macros().setTexts(numbered());
    press(f, control, name);

    QCOMPARE(f.prompts.requests.size(), 1);
    const Prompts::FileRequest &asked = f.prompts.requests[0];
    QCOMPARE(asked.directory, f.dir.path());
    const bool saving = control == u"Command27" || control == u"mnuSave";
    QCOMPARE(asked.fileName, saving ? u"This File Name"_s : QString());
    QCOMPARE(asked.patterns, QStringList{u"*.mac"_s});
    QCOMPARE(asked.defaultSuffix, u"mac"_s);
    QVERIFY(asked.detailedView);
    QCOMPARE(f.program->macros().texts(), numbered());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    QVERIFY(QFileInfo(f.dir.filePath(u"folder.mac"_s)).isDir());
    QCOMPARE(readAll(f.dir.filePath(u"plain"_s)), QByteArray("x"));
    QCOMPARE(f.prompts.messages.size(), name.isEmpty() ? 0 : 1);
    if (!name.isEmpty()) {
        QVERIFY(f.prompts.messages[0].error);
        QVERIFY(f.prompts.messages[0].text.contains(name.section(u'/', -1)));
    }
}
