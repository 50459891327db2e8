#include "abouttest.h"

#include "about/aboutbox.h"
#include "support/programfixture.h"
#include "window/helpmenu.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

AboutBox *openAbout(ProgramFixture &f)
{
    f.ui().mnuAbout1->trigger();
    return f.program->helpMenu().aboutBox();
}

// An executable script of the given name in the folder; by default it
// leaves a mark named after itself when it runs.
void addTool(const QTemporaryDir &dir, const QString &name, const QByteArray &script = "#!/bin/sh\ntouch \"$0.ran\"\n")
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

// The box shows the version as built; the main window takes no input until
// the box is closed, whichever way, and it opens again afterwards.
void AboutTest::theMainWindowWaitsUntilTheBoxCloses_data()
{
    QTest::addColumn<int>("key"); // 0: the OK button, -1: the close box
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("the close box") << -1;
}

void AboutTest::theMainWindowWaitsUntilTheBoxCloses()
{
    QFETCH(int, key);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    QPointer<AboutBox> box = openAbout(f);
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->findChild<QLabel *>(u"lblVersion"_s)->text(),
             u"Version "_s + QStringLiteral(RAFFLER_PROJECT_VERSION));
    QVERIFY(!box->findChild<QLabel *>(u"picIcon"_s)->pixmap().isNull());
    QVERIFY(!window.isEnabled());
    QVERIFY(box->isEnabled()); // its owner waits, the box does not

    if (key > 0)
        QTest::keyClick(box, Qt::Key(key));
    else if (key == 0)
        QTest::mouseClick(box->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    else
        QVERIFY(box->close());

    QVERIFY(window.isEnabled());
    QTRY_VERIFY(box.isNull()); // each opening loads the box afresh
    QVERIFY(openAbout(f));
    QVERIFY(!window.isEnabled());
}

// Only the tools the program knows are taken, the first found in their
// order, and started as programs of their own; the host is told when none
// would start.
void AboutTest::systemInfoStartsTheFirstToolFound()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names its tool in the registry; the Windows tests look there");
#endif
    QTemporaryDir bin;
    ProgramFixture f;
    AboutBox *box = openAbout(f);
    box->systemInfoTool().setSearchPath({bin.path()});
    auto *button = box->findChild<QPushButton *>(u"cmdSysInfo"_s);

    addTool(bin, u"top"_s);
    button->click();
    addTool(bin, u"kinfocenter"_s, "#!/nonexistent/sh\n"); // found, but it cannot start
    button->click();
    QCOMPARE(f.prompts.messages.size(), 2);
    for (const ScriptedPrompts::Message &told : std::as_const(f.prompts.messages))
        QCOMPARE(told.text, u"System Information Is Unavailable At This Time"_s);

    addTool(bin, u"gnome-system-monitor"_s);
    addTool(bin, u"hardinfo"_s);
    button->click();
    QTRY_VERIFY(QFile::exists(bin.filePath(u"hardinfo.ran"_s)));
    QCOMPARE(f.prompts.messages.size(), 2);
}
