#include "abouttest.h"

#include "about/frmabout.h"
#include "support/programfixture.h"
#include "window/helpmenu.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

frmAbout *openAbout(ProgramFixture &f)
{
    f.ui().mnuAbout1->trigger();
    return f.program->helpMenu().aboutBox();
}

// An executable script of the given name in the folder.
void addTool(const QTemporaryDir &dir, const QString &name, const QByteArray &script = "#!/bin/sh\n")
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

// The box shows the version as built; the main window takes no input until
// the box is closed, whichever way, and it opens again afterwards.
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

    ProgramFixture f;
    Draw &window = f.program->window();
    QPointer<frmAbout> box = openAbout(f);
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->findChild<QLabel *>(u"lblVersion"_s)->text(),
             u"Version "_s + QStringLiteral(RAFFLER_PROJECT_VERSION));
    QVERIFY(!box->findChild<QLabel *>(u"picIcon"_s)->pixmap().isNull());
    QVERIFY(!window.isEnabled());
    QVERIFY(box->isEnabled()); // its owner waits, the box does not

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
    QVERIFY(openAbout(f));
    QVERIFY(!window.isEnabled());
}

void AboutTest::systemInfoStartsTheFirstToolFound_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QString>("started"); // empty: nothing started

    QTest::newRow("first in order") << QStringList{u"gnome-system-monitor"_s, u"hardinfo"_s} << true << u"hardinfo"_s;
    QTest::newRow("unknown tools are not taken") << QStringList{u"top"_s} << true << QString();
    QTest::newRow("a start that fails") << QStringList{u"kinfocenter"_s} << false << u"kinfocenter"_s;
}

void AboutTest::systemInfoStartsTheFirstToolFound()
{
    QFETCH(QStringList, installed);
    QFETCH(bool, startWorks);
    QFETCH(QString, started);

    QTemporaryDir bin;
    for (const QString &name : installed)
        addTool(bin, name);
    ProgramFixture f;
    frmAbout *box = openAbout(f);
    QStringList starts;
    box->systemInfoTool().setSearchPath({bin.path()});
    box->systemInfoTool().setStarter([&starts, startWorks](const QString &program) {
        starts << QFileInfo(program).fileName();
        return startWorks;
    });
    box->findChild<QPushButton *>(u"cmdSysInfo"_s)->click();

    QCOMPARE(starts, started.isEmpty() ? QStringList() : QStringList{started});
    // Without a tool the host is told so.
    QStringList told;
    for (const ScriptedPrompts::Message &message : f.prompts.messages)
        told << message.text;
    QCOMPARE(told, started.isEmpty() || !startWorks ? QStringList{u"System Information Is Unavailable At This Time"_s}
                                                    : QStringList{});
}

void AboutTest::systemInfoReallyStartsTheTool()
{
    QTemporaryDir bin;
    const QString mark = bin.filePath(u"started"_s);
    addTool(bin, u"hardinfo"_s, "#!/bin/sh\ntouch '" + mark.toLocal8Bit() + "'\n");
    SystemInfoTool tool;
    tool.setSearchPath({bin.path()});
    QVERIFY(tool.start());
    QTRY_VERIFY(QFile::exists(mark));

    tool.setSearchPath({bin.filePath(u"nowhere"_s)});
    QVERIFY(!tool.start());
}
