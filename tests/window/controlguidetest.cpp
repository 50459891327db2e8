#include "controlguidetest.h"

#include "about/frmabout.h"
#include "support/fakeclock.h"
#include "support/programfixture.h"
#include "support/scriptedprompts.h"
#include "window/appearance.h"
#include "window/helpmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <climits>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString captionOf(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *menu = qobject_cast<const QMenu *>(widget))
        return menu->title();
    return {};
}

// The controls of a window: named widgets, without Qt's own inner parts,
// bare containers and drawn lines.
QList<QWidget *> controlsOf(const QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"_s) || widget->metaObject() == &QWidget::staticMetaObject)
            continue;
        if (widget->window() != window)
            continue; // a window of its own, such as the About box

        const auto *frame = qobject_cast<const QFrame *>(widget);
        if (frame && frame->metaObject() == &QFrame::staticMetaObject && frame->frameShape() == QFrame::HLine)
            continue;
        if (name == u"notice" && !widget->isVisibleTo(window))
            continue; // nothing to tell
        controls << widget;
    }
    return controls;
}

QString spokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The captions a reader finds next to a control without one: the titles of
// its frames and the captions of its neighbours.
QStringList captionsNear(const QWidget *widget)
{
    QStringList near;
    for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (const auto *box = qobject_cast<const QGroupBox *>(up))
            near << box->title();
    }
    for (const QObject *sibling : widget->parentWidget()->children()) {
        const auto *neighbour = qobject_cast<const QWidget *>(sibling);
        if (neighbour && neighbour != widget && !qobject_cast<const QGroupBox *>(neighbour))
            near << captionOf(neighbour).remove(u'&');
    }
    near.removeAll(QString());
    return near;
}

// Shows the page of a paged control (a prize or macro box), as the host
// would with its scroll bar.
void showPageOf(Program &program, const QWidget *widget)
{
    const Ui::Draw &ui = program.window().ui();
    const QString name = widget->objectName();
    if (name.startsWith(u"txtPrizes_"_s))
        ui.VScroll1->setValue(name.section(u'_', 1).toInt());
    else if (name.startsWith(u"txtText_"_s))
        ui.HScroll1->setValue(name.section(u'_', 1).toInt());
}

// Where a control may draw its caption (room) and where the caption's text
// actually goes; nothing for a control that draws no caption of its own.
struct TextBox
{
    QRect room;
    QRect text;
};

std::optional<TextBox> textBoxOf(QWidget *widget)
{
    const QString caption = captionOf(widget);
    if (caption.isEmpty() || qobject_cast<QMenu *>(widget))
        return std::nullopt;
    const QFontMetrics metrics(widget->font());
    const QSize oneLine = metrics.size(Qt::TextShowMnemonic, caption);
    QStyle *style = widget->style();
    const auto placed = [widget](Qt::Alignment alignment, QSize size, QRect room) {
        return TextBox{room, QStyle::alignedRect(widget->layoutDirection(), alignment, size, room)};
    };
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption;
        if (button->autoDefault() || button->isDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        return placed(Qt::AlignCenter, oneLine, style->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(widget);
        option.text = caption;
        const auto element = qobject_cast<QCheckBox *>(widget) ? QStyle::SE_CheckBoxContents
                                                                : QStyle::SE_RadioButtonContents;
        return placed(Qt::AlignLeft | Qt::AlignVCenter, oneLine, style->subElementRect(element, &option, widget));
    }
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const QRect room = label->contentsRect();
        if (!label->wordWrap())
            return placed(label->alignment(), oneLine, room);
        // Wrapped: the widest word and all the lines.
        int widest = 0;
        for (const QString &word : caption.split(u' '))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        const QRect lines = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX),
                                                 Qt::TextWordWrap | label->alignment(), caption);
        return placed(label->alignment(), QSize(widest, lines.height()), room);
    }
    if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = caption;
        option.lineWidth = 1;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return TextBox{box->rect(), QRect(label.topLeft(), QSize(oneLine.width(), label.height()))};
    }
    return std::nullopt;
}

// The first frame or panel around the control that cuts the text off. The
// main window's own size is left out: it shows some panels only at some sizes.
QString clippedBy(const QWidget *control, const QRect &text)
{
    const bool main = qobject_cast<const QMainWindow *>(control->window()) != nullptr;
    for (const QWidget *up = control->parentWidget(); up && !control->isWindow(); up = up->parentWidget()) {
        if (main && (up->isWindow() || up->parentWidget()->isWindow()))
            break;
        if (!up->rect().contains(QRect(control->mapTo(up, text.topLeft()), text.size())))
            return up->objectName();
        if (up->isWindow())
            break;
    }
    return {};
}

// The controls that stand over a frame's title: its own children and its
// neighbours, except the panels that take turns at the same place.
QStringList coveringTitle(const QGroupBox *box, const QRect &title)
{
    QStringList covering;
    const QRect inParent = title.translated(box->pos());
    for (const QObject *object : box->children()) {
        const auto *child = qobject_cast<const QWidget *>(object);
        if (child && !child->isWindow() && child->geometry().intersects(title))
            covering << child->objectName();
    }
    for (const QObject *object : box->parentWidget()->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(object);
        if (!sibling || sibling == box || sibling->isWindow() || sibling->pos() == box->pos())
            continue;
        if (sibling->geometry().intersects(inParent))
            covering << sibling->objectName();
    }
    return covering;
}

// Reading order: a row above comes first; within a row, left before right.
bool readsBefore(const QRect &a, const QRect &b)
{
    if (a.center().y() < b.top())
        return true;
    if (b.center().y() < a.top())
        return false;
    return a.left() < b.left();
}

QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The control's panel: its ancestor standing directly in the client area.
QString panelOf(const QWidget *widget, const QWidget *client)
{
    while (widget->parentWidget() && widget->parentWidget() != client)
        widget = widget->parentWidget();
    return widget->parentWidget() == client && qobject_cast<const QGroupBox *>(widget) ? widget->objectName()
                                                                                       : u"client"_s;
}

// What Tab must reach: shown, enabled, inside the window's visible area, and
// of a group of option buttons only the chosen one.
bool tabReaches(const QWidget *widget, const QWidget *window)
{
    if (!widget->isVisibleTo(window) || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
        return false;
    if (!window->rect().contains(inWindow(widget).center()))
        return false;
    if (const auto *radio = qobject_cast<const QRadioButton *>(widget))
        return radio->isChecked();
    return widget->focusProxy() == nullptr;
}

using Setup = std::function<void(Program &)>;

} // namespace

Q_DECLARE_METATYPE(Setup)

void ControlGuideTest::initTestCase()
{
    // The look the program starts with; the other classes keep the default.
    m_font = QApplication::font();
    m_style = QApplication::style()->name();
    applyAppearance(*qApp);
}

void ControlGuideTest::cleanupTestCase()
{
    QApplication::setFont(m_font);
    QApplication::setStyle(m_style);
}

void ControlGuideTest::everyControlIsNamedAndEveryButtonExplained()
{
    ProgramFixture f;
    f.program->window().show();
    f.ui().mnuAbout1->trigger();
    frmAbout *about = f.program->helpMenu().aboutBox();
    QVERIFY(about);

    QStringList faults;
    for (QWidget *window : {static_cast<QWidget *>(&f.program->window()), static_cast<QWidget *>(about)}) {
        const QList<QWidget *> controls = controlsOf(window);
        QVERIFY(controls.size() > (window == about ? 4 : 150));
        for (QWidget *control : controls) {
            showPageOf(*f.program, control);
            const QString name = spokenName(control);
            const QString caption = captionOf(control).remove(u'&');
            const QString id = control->objectName();
            if (name.isEmpty())
                faults << id + u": no name"_s;
            else if (!caption.isEmpty() && name != caption)
                faults << id + u": named \""_s + name + u"\", captioned \""_s + caption + u'"';
            else if (caption.isEmpty() && !qobject_cast<QMenuBar *>(control) && !captionsNear(control).contains(name))
                faults << id + u": named \""_s + name + u"\", near "_s + captionsNear(control).join(u", "_s);
            const auto *button = qobject_cast<const QPushButton *>(control);
            if (button && !id.startsWith(u"cmdCommunicate_"_s) && button->toolTip().isEmpty())
                faults << id + u": no tooltip"_s;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void ControlGuideTest::pagedControlsAreNamedAfterThePageShown()
{
    ProgramFixture f;
    Ui::Draw &ui = f.ui();
    struct Paged
    {
        QScrollBar *bar;
        QGroupBox *frame;
        QString boxes;
    };
    for (const Paged &paged : {Paged{ui.VScroll1, ui.Frame17, u"txtPrizes_"_s}, Paged{ui.HScroll1, ui.fra1, u"txtText_"_s}}) {
        for (const int page : {3, paged.bar->maximum(), 0}) {
            paged.bar->setValue(page);
            const QString title = paged.frame->title();
            QVERIFY(title.endsWith(QString::number(page + 1)));
            QCOMPARE(spokenName(paged.bar), title);
            QCOMPARE(spokenName(f.program->window().findChild<QWidget *>(paged.boxes + QString::number(page))), title);
        }
    }
}

void ControlGuideTest::captionsFitTheirControls()
{
    ProgramFixture f;
    f.ui().mnuAbout1->trigger();
    frmAbout *about = f.program->helpMenu().aboutBox();
    QVERIFY(about);

    QStringList faults;
    int measured = 0;
    for (QWidget *window : {static_cast<QWidget *>(&f.program->window()), static_cast<QWidget *>(about)}) {
        for (QWidget *control : controlsOf(window)) {
            const auto text = textBoxOf(control);
            if (!text)
                continue;
            ++measured;
            const QString id = control->objectName() + u" \""_s + captionOf(control) + u"\": "_s;
            const auto size = [](QSize s) { return QString::number(s.width()) + u'x' + QString::number(s.height()); };
            if (!text->room.contains(text->text))
                faults << id + u"needs "_s + size(text->text.size()) + u", has "_s + size(text->room.size());
            else if (const QString by = clippedBy(control, text->text); !by.isEmpty())
                faults << id + u"cut off by "_s + by;
            if (const auto *box = qobject_cast<QGroupBox *>(control)) {
                if (const QStringList over = coveringTitle(box, text->text); !over.isEmpty())
                    faults << id + u"title covered by "_s + over.join(u", "_s);
            }
        }
    }
    QVERIFY(measured > 100);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void ControlGuideTest::tabWalksEachPanelInReadingOrder_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::newRow("raffle, as started") << Setup([](Program &) {});
    QTest::newRow("Lister") << Setup([](Program &p) { p.layout().listerMode(); });
    QTest::newRow("colour caller") << Setup([](Program &p) { p.layout().showColourCaller(); });
    QTest::newRow("main settings") << Setup([](Program &p) { p.layout().showSettingsPanel(WindowLayout::Frame9); });
    QTest::newRow("raffler settings") << Setup([](Program &p) { p.layout().showSettingsPanel(WindowLayout::Frame6); });
    QTest::newRow("Lister settings") << Setup([](Program &p) { p.layout().showSettingsPanel(WindowLayout::Frame10); });
    QTest::newRow("macro editor") << Setup([](Program &p) { p.window().ui().mnuEdit->trigger(); });
}

void ControlGuideTest::tabWalksEachPanelInReadingOrder()
{
    QFETCH(Setup, setup);
    ProgramFixture f;
    Draw &window = f.program->window();
    setup(*f.program);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QList<QWidget *> expected;
    for (QWidget *control : f.ui().client->findChildren<QWidget *>()) {
        if (tabReaches(control, &window))
            expected << control;
    }
    QVERIFY(expected.size() > 10);

    f.ui().Option1->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), f.ui().Option1);
    QList<QWidget *> walked{f.ui().Option1};
    for (int presses = 0; presses <= expected.size(); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == walked.constFirst())
            break;
        walked << QApplication::focusWidget();
    }

    QStringList faults;
    for (QWidget *control : expected) {
        if (!walked.contains(control))
            faults << control->objectName() + u" is never reached"_s;
    }
    // Each panel is walked in one go, in reading order; the walk is a circle,
    // so the panel it starts in may take up again at its end.
    QStringList runs;
    for (qsizetype i = 0; i < walked.size(); ++i) {
        QWidget *now = walked[i];
        if (!expected.contains(now))
            faults << (now ? now->objectName() : u"nothing"_s) + u" takes the focus, out of sight"_s;
        if (!now)
            continue;
        const QString panel = panelOf(now, f.ui().client);
        if (!runs.isEmpty() && runs.constLast() == panel) {
            if (!readsBefore(inWindow(walked[i - 1]), inWindow(now)))
                faults << walked[i - 1]->objectName() + u" then "_s + now->objectName() + u" goes against reading"_s;
        } else {
            runs << panel;
        }
    }
    if (runs.size() > 1 && runs.constFirst() == runs.constLast())
        runs.removeLast();
    for (const QString &panel : std::as_const(runs)) {
        if (runs.count(panel) > 1)
            faults << panel + u" is entered twice: "_s + runs.join(u", "_s);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void ControlGuideTest::exitAccessKeyClosesTheWindow_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::newRow("raffle buttons") << Setup([](Program &) {});
    QTest::newRow("Lister buttons") << Setup([](Program &p) { p.layout().listerMode(); });
}

void ControlGuideTest::exitAccessKeyClosesTheWindow()
{
    QFETCH(Setup, setup);
    ProgramFixture f;
    Draw &window = f.program->window();
    setup(*f.program);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy unloading(&window, &Draw::unloading);

    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(unloading.size(), 1);
    QVERIFY(!window.isVisible());
}

void ControlGuideTest::macroDialogsOpenWhereTheFilesAreKept()
{
    // An installed program cannot write its own folder; the host's files go
    // to the per-user folder, and the macro dialogs start there too.
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    const QString user = dir.filePath(u"user"_s);
    Program program(clock, {dir.filePath(u"not/there"_s), user}, &prompts);
    QVERIFY(program.Draw_Load());
    QVERIFY(program.store().usesFallback());

    program.window().ui().Command27->click();
    program.window().ui().Command28->click();
    QCOMPARE(prompts.requests.size(), 2);
    QCOMPARE(prompts.requests[0].directory, user);
    QCOMPARE(prompts.requests[1].directory, user);
}
