#include "macropaneltest.h"

#include "scriptedwadapi.h"
#include "support/fakeclock.h"
#include "support/scriptedprompts.h"
#include "ui_draw.h"
#include "window/macropanel.h"
#include "window/program.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

struct Started
{
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    std::unique_ptr<Program> program;

    Started()
    {
        program = std::make_unique<Program>(clock, Program::Places{dir.path(), dir.filePath(u"fallback"_s)}, &prompts);
        if (program->Draw_Load())
            program->window().show();
    }
    Ui::Draw &ui() { return program->window().ui(); }
    QTextEdit *box(int index) { return ui().fra1->findChild<QTextEdit *>(u"txtText_"_s + QString::number(index)); }
    QPushButton *button(int index)
    {
        return ui().Frame1->findChild<QPushButton *>(u"cmdCommunicate_"_s + QString::number(index));
    }
    QList<int> shownBoxes()
    {
        QList<int> shown;
        for (int i = 0; i < 20; ++i) {
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

// What a tooltip shows, read the way Qt decides between markup and plain text.
QString shownText(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

} // namespace

void MacroPanelTest::init()
{
    ScriptedWadapi::reset();
}

void MacroPanelTest::startUpShowsThePageOfMacroOne()
{
    Started s;
    QCOMPARE(s.shownBoxes(), QList<int>{0});
    QCOMPARE(s.ui().fra1->title(), u"Macro #1"_s);
    QCOMPARE(s.ui().HScroll1->value(), 0);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(s.box(i)->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        QCOMPARE(s.box(i)->width(), 221); // 3315 twips
        QCOMPARE(s.button(i)->toolTip(), QString());
    }
}

void MacroPanelTest::theScrollBarPagesThroughTheBoxes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first") << 0 << u"Macro #1"_s;
    QTest::newRow("second") << 1 << u"Macro #2"_s;
    QTest::newRow("tenth") << 9 << u"Macro #10"_s;
    QTest::newRow("last") << 19 << u"Macro #20"_s;
}

void MacroPanelTest::theScrollBarPagesThroughTheBoxes()
{
    QFETCH(int, value);
    QFETCH(QString, caption);

    Started s;
    type(s.box(0), u"page one"_s);
    s.ui().HScroll1->setValue(value);
    QCOMPARE(s.shownBoxes(), QList<int>{value});
    QCOMPARE(s.ui().fra1->title(), caption);
    QCOMPARE(s.program->macros().page(), value);

    s.ui().HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(s.shownBoxes(), QList<int>{std::max(0, value - 1)});
    s.ui().HScroll1->setValue(0);
    QCOMPARE(s.box(0)->toPlainText(), u"page one"_s);
    QCOMPARE(s.program->macros().text(0), u"page one"_s);
}

void MacroPanelTest::typingReachesTheMacroWithItsLineBreaks()
{
    Started s;
    s.ui().HScroll1->setValue(2);
    type(s.box(2), u"Hello\n\nWelcome, Zoë"_s);
    QCOMPARE(s.program->macros().text(2), u"Hello\r\n\r\nWelcome, Zoë"_s);

    s.program->macros().setText(3, u"A\r\nB"_s);
    QCOMPARE(s.box(3)->toPlainText(), u"A\nB"_s);
    QCOMPARE(s.box(3)->document()->blockCount(), 2);
}

void MacroPanelTest::clearEmptiesThePageButNotTheTooltip()
{
    Started s;
    type(s.box(0), u"first"_s);
    s.ui().HScroll1->setValue(1);
    type(s.box(1), u"second"_s);
    s.ui().Command6->click(); // Ok
    QCOMPARE(shownText(s.button(1)->toolTip()), u"second"_s);

    s.ui().Command26->click(); // Clear
    QCOMPARE(s.program->macros().text(1), QString());
    QCOMPARE(s.box(1)->toPlainText(), QString());
    QCOMPARE(s.program->macros().text(0), u"first"_s);
    QCOMPARE(shownText(s.button(1)->toolTip()), u"second"_s); // until the next "Ok"

    type(s.box(1), u"typed"_s);
    QCOMPARE(shownText(s.button(1)->toolTip()), u"second"_s);
    s.ui().Command26->click();
    s.ui().Command6->click();
    QCOMPARE(s.button(1)->toolTip(), QString());
    QCOMPARE(shownText(s.button(0)->toolTip()), u"first"_s);
}

void MacroPanelTest::tooltipsShowTheTextAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << u"Hello"_s;
    QTest::newRow("bold markup") << u"<b>x</b>"_s;
    QTest::newRow("italic markup") << u"<i>x</i>"_s;
    QTest::newRow("an entity") << u"Tom &amp; Jerry"_s;
    QTest::newRow("angle brackets") << u"5 < 6 > 4"_s;
    QTest::newRow("two lines") << u"one\r\ntwo"_s;
    QTest::newRow("spaces") << u"a   b"_s;
}

void MacroPanelTest::tooltipsShowTheTextAsTyped()
{
    QFETCH(QString, text);

    Started s;
    s.program->macros().setText(5, text);
    s.ui().Command6->click();
    QCOMPARE(shownText(s.button(5)->toolTip()), QString(text).replace(u"\r\n"_s, u"\n"_s));
}

void MacroPanelTest::editAndOkSizeTheWindow()
{
    Started s;
    WindowLayout &layout = s.program->layout();
    s.ui().mnuEdit->trigger();
    QCOMPARE(layout.outerSize(), QSize(3855, 7935));
    for (QWidget *control : std::initializer_list<QWidget *>{s.ui().txtText_0, s.ui().HScroll1, s.ui().Command27,
                                                             s.ui().Command28, s.ui().Command26, s.ui().Command6}) {
        const QRect place(control->mapTo(&s.program->window(), QPoint()), control->size());
        QVERIFY2(s.program->window().rect().contains(place), qPrintable(control->objectName()));
    }

    s.ui().Command6->click();
    QCOMPARE(layout.outerSize(), QSize(3855, 5475));
    QVERIFY(s.ui().fra1->mapTo(&s.program->window(), QPoint()).y() >= s.program->window().height());

    // "Ok" leaves the width as it was.
    layout.showSettingsPanel(WindowLayout::Frame9);
    s.ui().mnuEdit->trigger();
    QCOMPARE(layout.outerSize(), QSize(3855, 7935));
    layout.setOuterWidth(WindowLayout::kSettingsWidth);
    s.ui().Command6->click();
    QCOMPARE(layout.outerSize(), QSize(7980, 5475));
}

void MacroPanelTest::aButtonSaysItsMacro()
{
    Started s;
    s.program->macros().setText(12, u"Line one\r\nLine two"_s);
    QTest::mouseClick(s.button(12), Qt::LeftButton);
    QCOMPARE(ScriptedWadapi::said(0), (QList<QByteArray>{"Line one", "Line two"}));
    QVERIFY(s.program->window().isEnabled());
    QVERIFY(QFile::exists(s.dir.filePath(u"Recover.bak"_s)));
}

void MacroPanelTest::theRightButtonOffersTheMenuAndSaysNothing()
{
    Started s;
    s.program->macros().setText(3, u"not said"_s);
    QMenu *menu = s.ui().mnuMacros;
    const QPoint at(5, 6);

    QTest::mousePress(s.button(3), Qt::RightButton, {}, at);
    QVERIFY(!menu->isVisible()); // the release opens it, not the press
    QTest::mouseRelease(s.button(3), Qt::RightButton, {}, at);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), s.button(3)->mapToGlobal(at));
    QCOMPARE(menu->actions(), (QList<QAction *>{s.ui().mnuEdit, s.ui().mnuSpace, s.ui().mnuLoad, s.ui().mnuSave}));

    menu->hide();
    QCOMPARE(ScriptedWadapi::said(0), QList<QByteArray>());
    QVERIFY(!QFile::exists(s.dir.filePath(u"Recover.bak"_s)));

    // The menu's items work from the pop-up as from the menu bar.
    QTest::mouseRelease(s.button(3), Qt::RightButton, {}, at);
    QTRY_VERIFY(menu->isVisible());
    menu->setActiveAction(s.ui().mnuEdit);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(s.program->layout().outerSize(), QSize(3855, 7935));
    QCOMPARE(ScriptedWadapi::said(0), QList<QByteArray>());
}

void MacroPanelTest::saveAndLoadFromButtonsAndMenu_data()
{
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("load");
    QTest::newRow("editor buttons") << u"Command27"_s << u"Command28"_s;
    QTest::newRow("menu items") << u"mnuSave"_s << u"mnuLoad"_s;
}

void MacroPanelTest::saveAndLoadFromButtonsAndMenu()
{
    QFETCH(QString, save);
    QFETCH(QString, load);

    Started s;
    const auto press = [&s](const QString &name) {
        if (auto *button = s.program->window().findChild<QPushButton *>(name))
            button->click();
        else
            s.program->window().findChild<QAction *>(name)->trigger();
    };
    type(s.box(0), u"Hi \"all\"\nbye"_s);
    s.prompts.answers << s.dir.filePath(u"mine.mac"_s);
    press(save);
    QCOMPARE(s.prompts.requests.size(), 1);
    QCOMPARE(s.prompts.requests[0].title, u"Save File As..."_s);
    QCOMPARE(s.prompts.requests[0].fileName, u"This File Name"_s);
    QCOMPARE(s.prompts.requests[0].directory, s.dir.path());
    QVERIFY(s.prompts.requests[0].detailedView);

    s.ui().Command26->click();
    s.prompts.answers << s.dir.filePath(u"mine.mac"_s);
    press(load);
    QCOMPARE(s.prompts.requests[1].title, u"Open A File"_s);
    QCOMPARE(s.prompts.requests[1].directory, s.dir.path());
    QCOMPARE(s.program->macros().text(0), u"Hi \"all\"\r\nbye"_s);
    QCOMPARE(s.box(0)->toPlainText(), u"Hi \"all\"\nbye"_s);
    QVERIFY(s.prompts.messages.isEmpty());
}

void MacroPanelTest::loadingShowsTheTextAtOnceButNotInTheTooltip()
{
    Started s;
    type(s.box(0), u"old"_s);
    s.ui().Command6->click();
    s.ui().HScroll1->setValue(4);
    {
        QFile file(s.dir.filePath(u"set.mac"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"new 1\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"new 5\"\r\n");
    }
    s.prompts.answers << s.dir.filePath(u"set.mac"_s);
    s.ui().Command28->click();

    QCOMPARE(s.shownBoxes(), QList<int>{4}); // the page stays
    QCOMPARE(s.box(4)->toPlainText(), u"new 5"_s);
    QCOMPARE(s.box(0)->toPlainText(), u"new 1"_s);
    QCOMPARE(shownText(s.button(0)->toolTip()), u"old"_s);
    QCOMPARE(s.button(4)->toolTip(), QString());
    s.ui().Command6->click();
    QCOMPARE(shownText(s.button(4)->toolTip()), u"new 5"_s);
}
