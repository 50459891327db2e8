#include "support/programfixture.h"
#include "support/tooltipshows.h"
#include "windowtests.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The program with its window up, as the host sees it.
struct Shown : ProgramFixture
{
    Shown() { program->window().show(); }

    QTextEdit *box(int index) { return ui().fra1->findChild<QTextEdit *>(u"txtText_"_s + QString::number(index)); }
    QPushButton *button(int index)
    {
        return ui().Frame1->findChild<QPushButton *>(u"cmdCommunicate_"_s + QString::number(index));
    }
    QList<int> shownBoxes()
    {
        QList<int> shown;
        for (int i = 0; i < MacroBank::kCount; ++i) {
            if (!box(i)->isHidden())
                shown << i;
        }
        return shown;
    }
};

// Types into a box as the host would, Enter for each line break.
void type(QTextEdit *box, const QString &text)
{
    box->setFocus();
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        QInputMethodEvent typed;
        typed.setCommitString(lines[i]);
        QApplication::sendEvent(box, &typed);
    }
}

} // namespace

// The scroll bar shows one box at a time; typing reaches that box's macro,
// Enter as CR LF, and a macro's lines reach its box. "Clear" empties only the
// page shown; the tooltips change only with "Ok", and show the macro's
// characters and lines as typed, never as markup. The right button's release
// offers the Macros menu at the mouse and never says the macro; the left
// button says the button's own.
void WindowTest::eachPageEditsItsOwnMacro()
{
    Shown s;
    s.ui().HScroll1->setValue(19);
    QCOMPARE(s.shownBoxes(), QList<int>{19});
    s.ui().HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(s.shownBoxes(), QList<int>{18});
    type(s.box(18), u"Hello\n\nWelcome, Zoë"_s);
    const QString typed = u"<b>x</b> &amp; 5 < 6\r\ntwo   lines"_s;
    s.program->macros().setText(3, typed);

    QStringList expected(MacroBank::kCount);
    expected[3] = typed;
    expected[18] = u"Hello\r\n\r\nWelcome, Zoë"_s;
    QCOMPARE(s.program->macros().texts(), expected);
    QCOMPARE(s.box(3)->document()->blockCount(), 2);
    s.ui().HScroll1->setValue(0);
    QCOMPARE(s.shownBoxes(), QList<int>{0});
    QCOMPARE(s.box(18)->toPlainText(), u"Hello\n\nWelcome, Zoë"_s);

    type(s.box(0), u"first"_s);
    s.ui().Command6->click();  // Ok
    s.ui().Command26->click(); // Clear
    expected[0] = QString();
    QCOMPARE(s.program->macros().texts(), expected);
    QCOMPARE(s.box(0)->toPlainText(), QString());
    QCOMPARE(toolTipShows(s.button(0)->toolTip()), u"first"_s);
    s.ui().Command6->click();
    QCOMPARE(s.button(0)->toolTip(), QString());
    QCOMPARE(toolTipShows(s.button(3)->toolTip()), u"<b>x</b> &amp; 5 < 6\ntwo   lines"_s);

    QMenu *menu = s.ui().mnuMacros;
    const QPoint at(5, 6);
    QTest::mousePress(s.button(3), Qt::RightButton, {}, at);
    QVERIFY(!menu->isVisible());
    QTest::mouseRelease(s.button(3), Qt::RightButton, {}, at);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), s.button(3)->mapToGlobal(at));
    menu->hide();
    QCOMPARE(s.said(), QStringList());
    QTest::mouseClick(s.button(3), Qt::LeftButton);
    QCOMPARE(s.said(), (QStringList{u"<b>x</b> &amp; 5 < 6"_s, u"two   lines"_s}));
}
