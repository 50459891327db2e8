#include "core/ansi.h"
#include "support/hostilenames.h"
#include "support/nextdialog.h"
#include "support/programfixture.h"
#include "support/tooltipshows.h"
#include "window/showntext.h"
#include "window/widgetprompts.h"
#include "windowtests.h"

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

// Names that look like markup, hold control characters or are very long, taken
// in from the transcript: every list box, tooltip, holder box and message box
// shows them as they stand, and Recover.bak brings them back whole.
void WindowTest::hostileNamesGoThroughTheGamesAndMessageBoxes_data()
{
    QTest::addColumn<QString>("name");
    for (const HostileName &row : hostileNames())
        QTest::newRow(row.tag) << row.name;
}

void WindowTest::hostileNamesGoThroughTheGamesAndMessageBoxes()
{
    QFETCH(QString, name);

    ProgramFixture f;
    Ui::MainWindow &ui = f.ui();
    PlayerLists &lists = f.program->session().lists;
    f.program->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.program->window()));
    const QByteArray bytes = Ansi::encode(name);
    ScriptedWadapi::setTranscript("Ann: hi\r\nESP from " + bytes + ": $");

    ui.cmdGetText->click();
    for (PlayerList *list : {&lists.ledger, &lists.players, &lists.queue})
        QCOMPARE(list->names(), QStringList{name});
    checkShownRow(ui.lstAvatars, name);
    checkShownRow(ui.List3, name);

    f.program->session().settings.setChecked(HostSettings::Check::SayPrizes, true); // winners are kept with their prize
    ui.Command3->click();                                                           // Draw
    QCOMPARE(lists.winners.names(), QStringList{name});
    checkShownRow(ui.List1, name);

    f.clear();
    ui.Command7->click(); // Call Next
    QCOMPARE(lists.called.names(), QStringList{name});
    checkShownRow(ui.List4, name);
    // The room hears the whole name.
    QCOMPARE(f.esps(), QStringList{name + u": Please come down you are next"_s});
    QCOMPARE(f.said(), QStringList{name + u" Please come down you are next"_s});

    lists.winners.setSelected(0);
    ui.mnuRed->trigger();
    QCOMPARE(f.program->session().colours.holder(ColourCaller::Red), name);
    QCOMPARE(ui.txtcolor_0->text(), name);

    const QByteArray entry = bytes + "\r\n";
    QCOMPARE(f.recoveryFile(), "List1\r\n" + entry + "List2\r\n" + entry + "List4\r\n" + entry);
    for (PlayerList *list : lists.all())
        list->clear();
    ui.Command19->click(); // Recover
    QList<QStringList> back;
    for (PlayerList *list : lists.all())
        back << list->names();
    // lstAvatars and List3 are not kept in the file.
    QCOMPARE(back, (QList<QStringList>{{}, {name}, {name}, {}, {name}}));
    checkShownRow(ui.List1, name);

    // Message boxes show the text as it stands too.
    WidgetPrompts prompts(&f.program->window());
    for (const bool error : {false, true}) {
        QList<Qt::TextFormat> formats;
        QStringList texts;
        whenDialogOpens<QMessageBox>(this, [&](QMessageBox *box) {
            const auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            formats << box->textFormat() << (label ? label->textFormat() : Qt::AutoText);
            texts << box->text() << (label ? label->text() : QString());
            box->accept();
        });
        if (error)
            prompts.showError(u"Title"_s, name);
        else
            prompts.showMessage(u"Title"_s, name);
        QCOMPARE(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
        QCOMPARE(texts, (QStringList{name, name}));
    }
}

void WindowTest::showsTheStartOfALongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const qsizetype max = ShownText::kMaxLength;
    const QString ellipsis = u"\u2026"_s;
    QTest::newRow("empty, no tooltip") << QString() << QString();
    QTest::newRow("markup stays as it is") << u"<b>x</b> &amp;"_s << u"<b>x</b> &amp;"_s;
    QTest::newRow("at the bound") << QString(max, u'x') << QString(max, u'x');
    QTest::newRow("one past the bound") << QString(max + 1, u'x') << QString(max, u'x') + ellipsis;
    QTest::newRow("never half a character")
        << QString(max - 1, u'x') + u"\U0001F600y"_s << QString(max - 1, u'x') + ellipsis;
}

void WindowTest::showsTheStartOfALongText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(ShownText::cut(text), shown);
    // What the tooltip shows is the window's tests' to check.
    QCOMPARE(ShownText::toolTip(text).isEmpty(), text.isEmpty());
}
