#include "hostiletexttest.h"

#include "core/ansi.h"
#include "core/showntext.h"
#include "support/hostilenames.h"
#include "support/nextdialog.h"
#include "support/programfixture.h"
#include "window/widgetprompts.h"

#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStyledItemDelegate>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// The first row of a list box as the host sees it: the text its delegate
// draws, and the tooltip that comes up when the mouse rests on the row.
void checkShownRow(QListView *view, const QString &name)
{
    const QModelIndex index = view->model()->index(0, 0);
    const auto *delegate = qobject_cast<QStyledItemDelegate *>(view->itemDelegateForIndex(index));
    QVERIFY2(delegate, "the rows are drawn as plain text");
    QCOMPARE(delegate->displayText(index.data(), view->locale()),
             QString(ShownText::cut(name)).replace(u'\n', QChar::LineSeparator));

    const QPoint at = view->visualRect(index).center();
    QHelpEvent rest(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &rest);
    const QString toolTip = QToolTip::text();
    QToolTip::hideText();
    QCOMPARE(toolTipShows(toolTip), withLineBreaks(ShownText::cut(name)));
}

} // namespace

void HostileTextTest::init()
{
    ScriptedWadapi::reset();
}

void HostileTextTest::namesGoThroughTheGames_data()
{
    QTest::addColumn<QString>("name");
    for (const HostileName &row : hostileNames())
        QTest::newRow(row.tag) << row.name;
}

void HostileTextTest::namesGoThroughTheGames()
{
    QFETCH(QString, name);

    ProgramFixture f;
    Ui::Draw &ui = f.ui();
    PlayerLists &lists = f.program->lists();
    f.program->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.program->window()));
    const QByteArray bytes = Ansi::encode(name);
    ScriptedWadapi::setTranscript("Ann: hi\r\nESP from " + bytes + ": $");

    ui.cmdGetText->click();
    QCOMPARE(lists.List2.names(), QStringList{name});
    QCOMPARE(lists.lstAvatars.names(), QStringList{name});
    QCOMPARE(lists.List3.names(), QStringList{name});
    checkShownRow(ui.lstAvatars, name);
    checkShownRow(ui.List3, name);

    f.program->settings().setChecked(HostSettings::Check3, true); // winners go to List1 with their prize
    ui.Command3->click(); // Draw
    QCOMPARE(lists.List1.names(), QStringList{name});
    checkShownRow(ui.List1, name);

    f.clear();
    ui.Command7->click(); // Call Next
    QCOMPARE(lists.List4.names(), QStringList{name});
    checkShownRow(ui.List4, name);
    // The room hears the whole name.
    QCOMPARE(f.esps(), QStringList{name + u": Please come down you are next"_s});
    QCOMPARE(f.said(), QStringList{name + u" Please come down you are next"_s});

    lists.List1.setSelected(0);
    ui.mnuRed->trigger();
    QCOMPARE(f.program->colours().holder(ColourCaller::Red), name);
    QCOMPARE(ui.txtcolor_0->text(), name);

    const QByteArray entry = bytes + "\r\n";
    QCOMPARE(f.recoveryFile(), "List1\r\n" + entry + "List2\r\n" + entry + "List4\r\n" + entry);
    for (PlayerList *list : lists.all())
        list->clear();
    ui.Command19->click(); // Recover
    QCOMPARE(lists.lstAvatars.names(), QStringList());
    QCOMPARE(lists.List1.names(), QStringList{name});
    QCOMPARE(lists.List2.names(), QStringList{name});
    QCOMPARE(lists.List3.names(), QStringList());
    QCOMPARE(lists.List4.names(), QStringList{name});
    checkShownRow(ui.List1, name);
    checkShownRow(ui.List4, name);
}

void HostileTextTest::messageBoxesShowTextAsItStands_data()
{
    QTest::addColumn<QString>("text");
    for (const HostileName &row : hostileNames())
        QTest::newRow(row.tag) << row.name;
}

void HostileTextTest::messageBoxesShowTextAsItStands()
{
    QFETCH(QString, text);

    QWidget window;
    WidgetPrompts prompts(&window);
    for (const bool error : {false, true}) {
        struct Seen
        {
            Qt::TextFormat format = Qt::AutoText;
            QString text;
            Qt::TextFormat labelFormat = Qt::AutoText;
            QString labelText;
        } seen;
        whenDialogOpens<QMessageBox>(this, [&seen](QMessageBox *box) {
            const auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            seen = {box->textFormat(), box->text(), label ? label->textFormat() : Qt::AutoText,
                    label ? label->text() : QString()};
            box->accept();
        });
        if (error)
            prompts.showError(u"Title"_s, text);
        else
            prompts.showMessage(u"Title"_s, text);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.labelFormat, Qt::PlainText);
        QCOMPARE(seen.labelText, text);
    }
}

void HostileTextTest::theNoticeShowsAFolderAsItStands()
{
    // A folder whose name looks like markup, inside a file so it cannot be made.
    QTemporaryDir scratch;
    const QString blocker = scratch.filePath(u"<b>x<b> &amp; A&B"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString unwritable = blocker + u"/program"_s;

    FakeClock clock;
    ScriptedPrompts prompts;
    Program program(clock, Program::Places{unwritable, scratch.filePath(u"user"_s)}, &prompts);
    QVERIFY(program.Draw_Load());
    const auto *notice = program.window().findChild<QLabel *>(u"notice"_s);
    QVERIFY(notice && !notice->isHidden());
    QVERIFY2(toolTipShows(notice->toolTip()).contains(QDir::toNativeSeparators(unwritable)),
             qPrintable(toolTipShows(notice->toolTip())));
}
