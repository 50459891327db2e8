#include "abouttest.h"

#include "about/frmabout.h"
#include "core/windowinput.h"
#include "scriptedwadapi.h"
#include "support/fakeclock.h"
#include "support/nextdialog.h"
#include "support/scriptedprompts.h"
#include "ui_draw.h"
#include "window/helpmenu.h"
#include "window/program.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Started
{
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts scripted;
    std::unique_ptr<Program> program;

    // realPrompts: the window's own message boxes instead of scripted answers.
    explicit Started(bool realPrompts = false)
    {
        program = std::make_unique<Program>(clock, Program::Places{dir.path(), dir.filePath(u"fallback"_s)},
                                            realPrompts ? nullptr : &scripted);
        if (program->Draw_Load())
            program->window().show();
    }

    frmAbout *openAbout()
    {
        program->window().ui().mnuAbout1->trigger();
        return program->helpMenu().aboutBox();
    }
};

// A folder holding executable scripts of the given names.
void addTool(const QTemporaryDir &dir, const QString &name, const QByteArray &script = "#!/bin/sh\n")
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

void AboutTest::init()
{
    ScriptedWadapi::reset();
}

void AboutTest::theBoxNamesTheProgramAndItsVersion()
{
    Started s;
    frmAbout *box = s.openAbout();
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), u"About Corvane's Raffler"_s);
    QCOMPARE(box->findChild<QLabel *>(u"lblTitle"_s)->text(), u"Corvane's Raffler"_s);
    QCOMPARE(box->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version "_s + QStringLiteral(RAFFLER_PROJECT_VERSION));
    QVERIFY(!box->findChild<QLabel *>(u"picIcon"_s)->pixmap().isNull());
    auto *ok = box->findChild<QPushButton *>(u"cmdOK"_s);
    QCOMPARE(ok->text(), u"OK"_s);
    QVERIFY(ok->isDefault());
    QCOMPARE(box->findChild<QPushButton *>(u"cmdSysInfo"_s)->text(), u"&System Info..."_s);
    QVERIFY(box->findChild<QFrame *>(u"Line1_0"_s));
    QVERIFY(box->findChild<QFrame *>(u"Line1_1"_s));
    QVERIFY(!box->isModal());
}

void AboutTest::theMainWindowWaitsUntilTheBoxCloses_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << u"ok"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("Escape") << u"escape"_s;
    QTest::newRow("the close box") << u"close"_s;
}

void AboutTest::theMainWindowWaitsUntilTheBoxCloses()
{
    QFETCH(QString, way);

    Started s;
    Draw &window = s.program->window();
    QPointer<frmAbout> box = s.openAbout();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(!window.isEnabled());
    QVERIFY(!s.program->input().isEnabled());
    QVERIFY(box->isEnabled()); // its parent waits, the box does not
    QVERIFY(box->findChild<QPushButton *>(u"cmdOK"_s)->isEnabled());

    if (way == u"ok")
        QTest::mouseClick(box->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    else if (way == u"enter")
        QTest::keyClick(box, Qt::Key_Return);
    else if (way == u"escape")
        QTest::keyClick(box, Qt::Key_Escape);
    else
        QVERIFY(box->close());

    QVERIFY(window.isEnabled());
    QTRY_VERIFY(box.isNull()); // each opening loads the box afresh

    // And it opens again.
    QVERIFY(s.openAbout());
    QVERIFY(!window.isEnabled());
}

void AboutTest::systemInfoWithoutAToolSaysSo()
{
    Started s;
    frmAbout *box = s.openAbout();
    QTemporaryDir empty;
    box->systemInfoTool().setSearchPath({empty.path()});
    QTest::mouseClick(box->findChild<QPushButton *>(u"cmdSysInfo"_s), Qt::LeftButton);

    QCOMPARE(s.scripted.messages.size(), 1);
    QVERIFY(!s.scripted.messages[0].error);
    QCOMPARE(s.scripted.messages[0].text, u"System Information Is Unavailable At This Time"_s);
    QVERIFY(box->isVisible()); // the box stays open
    QVERIFY(!s.program->window().isEnabled());
}

void AboutTest::systemInfoStartsTheFirstToolFound_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QString>("started"); // empty: nothing started, the message shown

    QTest::newRow("none") << QStringList{} << true << QString();
    QTest::newRow("the only one") << QStringList{u"kinfocenter"_s} << true << u"kinfocenter"_s;
    QTest::newRow("first in order") << QStringList{u"gnome-system-monitor"_s, u"hardinfo"_s} << true << u"hardinfo"_s;
    QTest::newRow("unknown tools are not taken") << QStringList{u"top"_s} << true << QString();
    QTest::newRow("a start that fails") << QStringList{u"hardinfo"_s} << false << u"hardinfo"_s;
}

void AboutTest::systemInfoStartsTheFirstToolFound()
{
    QFETCH(QStringList, installed);
    QFETCH(bool, startWorks);
    QFETCH(QString, started);

    QTemporaryDir bin;
    for (const QString &name : installed)
        addTool(bin, name);
    ScriptedPrompts prompts;
    WindowInput input;
    frmAbout box(u"Corvane's Raffler"_s, input, prompts);
    QStringList starts;
    box.systemInfoTool().setSearchPath({bin.path()});
    box.systemInfoTool().setStarter([&starts, startWorks](const QString &program) {
        starts << QFileInfo(program).fileName();
        return startWorks;
    });
    box.cmdSysInfo_Click();

    QCOMPARE(starts, started.isEmpty() ? QStringList() : QStringList{started});
    QCOMPARE(prompts.messages.size(), started.isEmpty() || !startWorks ? 1 : 0);
}

void AboutTest::systemInfoReallyStartsTheTool()
{
    QTemporaryDir bin;
    const QString mark = bin.filePath(u"started"_s);
    addTool(bin, u"hardinfo"_s, "#!/bin/sh\ntouch '" + mark.toLocal8Bit() + "'\n");
    SystemInfoTool tool;
    tool.setSearchPath({bin.path()});
    QCOMPARE(QFileInfo(tool.find()).fileName(), u"hardinfo"_s);
    QVERIFY(tool.start());
    QTRY_VERIFY(QFile::exists(mark));

    tool.setSearchPath({bin.filePath(u"nowhere"_s)});
    QVERIFY(!tool.start());
}

void AboutTest::theUnavailableMessageCanBeAnsweredOverTheWaitingWindow()
{
    Started s(true);
    frmAbout *box = s.openAbout();
    QTemporaryDir empty;
    box->systemInfoTool().setSearchPath({empty.path()});

    QString text;
    bool enabled = false;
    whenDialogOpens<QMessageBox>(this, [&](QMessageBox *message) {
        text = message->text();
        enabled = message->isEnabled() && message->button(QMessageBox::Ok)->isEnabled();
        message->done(QMessageBox::Ok); // answered even when the host could not
    });
    box->StartSysInfo();
    QCOMPARE(text, u"System Information Is Unavailable At This Time"_s);
    QVERIFY(enabled);
    QVERIFY(box->isVisible());
}
