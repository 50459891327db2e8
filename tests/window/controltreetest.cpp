#include "about/aboutbox.h"
#include "support/programfixture.h"
#include "window/appearance.h"
#include "window/controlguide.h"
#include "window/helpmenu.h"
#include "window/windowcontrols.h"
#include "windowtests.h"

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
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <algorithm>
#include <climits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Controls that stand on one another on purpose: the panels that take turns
// at one place, the check box and the "Sym" label laid over the frame "ESP
// Confermation" (which hides the label), and the "Winners" labels, whose
// empty top lies under the list above. The pages of the prize and the macro
// boxes share their places too.
const char *const kSharingAPlace[] = {"Frame2 Frame3 Frame22", "Frame4 Frame5",     "Frame9 Frame6 Frame10",
                                      "Frame8 Check1 Label13", "lstAvatars Label1", "List3 Label2"};

bool meantToShare(const QWidget *a, const QWidget *b, const WindowControls &controls)
{
    const auto both = [a, b](const auto &page) {
        return std::ranges::find(page, a) != page.end() && std::ranges::find(page, b) != page.end();
    };
    if (both(controls.prizeBoxes) || both(controls.macroBoxes))
        return true;
    return std::ranges::any_of(kSharingAPlace, [a, b](const char *group) {
        const QStringList names = QString::fromLatin1(group).split(u' ');
        return names.contains(a->objectName()) && names.contains(b->objectName());
    });
}

// The controls of a window: named widgets, without Qt's own inner parts,
// bare containers, drawn lines and other windows.
QList<QWidget *> controlsOf(const QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        const auto *frame = qobject_cast<const QFrame *>(widget);
        if (name.isEmpty() || name.startsWith(u"qt_"_s) || widget->metaObject() == &QWidget::staticMetaObject
            || widget->window() != window
            || (frame && frame->metaObject() == &QFrame::staticMetaObject && frame->frameShape() == QFrame::HLine)
            || (name == u"notice" && !widget->isVisibleTo(window))) // nothing to tell
            continue;
        controls << widget;
    }
    return controls;
}

// What is wrong with the layout of the controls shown: a control that sticks
// out of its frame, a panel cut by the window's edge (a smaller window moves
// whole panels out of view, as drawn, except the macro editor's lower
// border, 4 px short at the macro editing size) and neighbours that overlap.
// Controls drawn edge to edge in twips may share a line of pixels.
QStringList layoutFaults(MainWindow &window)
{
    QWidget *client = window.ui().client;
    QList<QWidget *> shown = controlsOf(&window);
    shown.removeIf([&](const QWidget *w) { return !w->isVisibleTo(&window) || !client->isAncestorOf(w); });
    QStringList faults;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget *control = shown[i];
        const QWidget *parent = control->parentWidget();
        const QRect place = control->geometry();
        if (parent == client) {
            const QRect area = client->rect().adjusted(0, 0, 0, control == window.ui().fra1 ? 4 : 0);
            if (place.intersects(area) && !area.contains(place))
                faults << control->objectName() + u" is cut by the window's edge"_s;
        } else if (!parent->rect().adjusted(-1, -1, 1, 1).contains(place)) {
            faults << control->objectName() + u" sticks out of "_s + parent->objectName();
        }
        for (const QWidget *other : shown.mid(i + 1)) {
            const QRect overlap = place.intersected(other->geometry());
            if (other->parentWidget() == parent && overlap.width() > 1 && overlap.height() > 1
                && !meantToShare(control, other, window.controls()))
                faults << control->objectName() + u" overlaps "_s + other->objectName();
        }
    }
    return faults;
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

QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// What Tab must reach: shown, enabled, inside the window's visible area, and
// of a group of option buttons only the chosen one.
bool tabReaches(const QWidget *widget, const QWidget *window)
{
    if (!widget->isVisibleTo(window) || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus)
        || !window->rect().contains(inWindow(widget).center()))
        return false;
    if (const auto *radio = qobject_cast<const QRadioButton *>(widget))
        return radio->isChecked();
    return widget->focusProxy() == nullptr;
}

QStringList sortedNames(const QList<QWidget *> &widgets)
{
    QStringList names;
    for (const QWidget *widget : widgets)
        names << (widget ? widget->objectName() : u"nothing"_s);
    names.sort();
    return names;
}

const QSize kCompact(3855, 5475), kSettings(7980, 5475), kEditing(3855, 7935);

// A row from space-separated names: the controls used in turn, the panels
// then shown ("settings" for all three settings panels) and the mode marked.
void panelRow(const char *tag, const char *steps, const char *shown, QSize size, const char *marked)
{
    QStringList panels = QString::fromLatin1(shown).split(u' ');
    if (panels.removeAll(u"settings"_s))
        panels << u"Frame9"_s << u"Frame6"_s << u"Frame10"_s;
    QTest::newRow(tag) << QString::fromLatin1(steps).split(u' ', Qt::SkipEmptyParts) << panels << size
                       << QString::fromLatin1(marked);
}

} // namespace

// Every control is named as its caption says, or after a caption near it,
// every button explained, and every caption fits, measured in the look the
// program starts with; the other tests keep Qt's.
void WindowTest::everyControlIsNamedExplainedAndFitsItsCaption()
{
    const QFont font = QApplication::font();
    const QString style = QApplication::style()->name();
    const auto restore = qScopeGuard([&] {
        QApplication::setFont(font);
        QApplication::setStyle(style);
    });
    applyAppearance(*qApp);

    ProgramFixture f;
    f.program->window().show();
    f.ui().mnuAbout1->trigger();
    AboutBox *about = f.program->helpMenu().aboutBox();
    QVERIFY(about);

    QStringList faults;
    int measured = 0;
    for (QWidget *window : {static_cast<QWidget *>(&f.program->window()), static_cast<QWidget *>(about)}) {
        const QList<QWidget *> controls = controlsOf(window);
        QVERIFY(controls.size() > (window == about ? 4 : 150));
        for (QWidget *control : controls) {
            // A prize or macro box is named after its page, shown as the host would with its scroll bar.
            const QString id = control->objectName();
            if (id.startsWith(u"txtPrizes_"_s))
                f.ui().VScroll1->setValue(id.section(u'_', 1).toInt());
            else if (id.startsWith(u"txtText_"_s))
                f.ui().HScroll1->setValue(id.section(u'_', 1).toInt());
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
            const QString caption = captionOf(control).remove(u'&');
            QVERIFY2(!name.isEmpty(), qPrintable(id + u": no name"_s));
            if (!caption.isEmpty())
                QCOMPARE(name, caption);
            else if (!qobject_cast<QMenuBar *>(control))
                QVERIFY2(captionsNear(control).contains(name),
                         qPrintable(id + u": "_s + name + u", near "_s + captionsNear(control).join(u", ")));
            if (qobject_cast<const QPushButton *>(control) && !id.startsWith(u"cmdCommunicate_"_s))
                QVERIFY2(!control->toolTip().isEmpty(), qPrintable(id + u": no tooltip"_s));

            const auto text = textBoxOf(control);
            if (!text)
                continue;
            ++measured;
            const QString shown = id + u" \""_s + captionOf(control) + u"\": "_s;
            const auto size = [](QSize s) { return QString::number(s.width()) + u'x' + QString::number(s.height()); };
            if (!text->room.contains(text->text))
                faults << shown + u"needs "_s + size(text->text.size()) + u", has "_s + size(text->room.size());
            else if (const QString by = clippedBy(control, text->text); !by.isEmpty())
                faults << shown + u"cut off by "_s + by;
            if (const auto *box = qobject_cast<QGroupBox *>(control)) {
                if (const QStringList over = coveringTitle(box, text->text); !over.isEmpty())
                    faults << shown + u"title covered by "_s + over.join(u", "_s);
            }
        }
    }
    QVERIFY(measured > 100);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void WindowTest::panelsSizesAndTabOrderFollowTheHostsChoices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("marked");

    panelRow("after start-up", "", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    panelRow("Lister mode", "mnuLister", "Frame3 Frame5 settings", kCompact, "mnuLister");
    panelRow("Raffler mode again", "mnuLister mnuRaffler", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    panelRow("Raffler chosen while marked", "mnuRaffler", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    panelRow("Main Settings", "Command16", "Frame2 Frame4 Frame9", kSettings, "mnuRaffler");
    panelRow("Lister Settings twice", "Command14 Command14", "Frame2 Frame4 Frame10", kSettings, "mnuRaffler");
    panelRow("Hoster Settings > Raffler in Lister mode also shows the raffle buttons", "mnuLister mnuSetDraw",
             "Frame3 Frame4 Frame5 Frame6", kSettings, "mnuLister");
    panelRow("settings Ok keeps the panel, out of view", "Command15 Command17", "Frame2 Frame4 Frame6", kCompact,
             "mnuRaffler");
    panelRow("macro editor", "mnuEdit", "Frame2 Frame4 settings", kEditing, "mnuRaffler");
    panelRow("Main Settings at the macro editing size", "mnuEdit Command16", "Frame2 Frame4 Frame9", kSettings,
             "mnuRaffler");
    panelRow("macro Ok brings the height back", "mnuEdit Command6", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    panelRow("macro Ok keeps the width", "Command16 Command6", "Frame2 Frame4 Frame9", kSettings, "mnuRaffler");
    panelRow("colour caller", "Command21", "Frame22 Frame4 settings", kCompact, "mnuRaffler");
    panelRow("Lister mode under the colour caller", "Command21 mnuLister", "Frame3 Frame22 Frame5 settings", kCompact,
             "mnuLister");
    panelRow("colour caller Ok brings the Lister back", "Command21 mnuLister Command24", "Frame3 Frame5 settings",
             kCompact, "mnuLister");
}

void WindowTest::panelsSizesAndTabOrderFollowTheHostsChoices()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QSize, size);
    QFETCH(QString, marked);

    ProgramFixture f;
    MainWindow &window = f.program->window();
    for (const QString &step : std::as_const(steps))
        use(window, step);

    for (const char *panel : {"Frame2", "Frame3", "Frame22", "Frame4", "Frame5", "Frame9", "Frame6", "Frame10"})
        QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(panel))->isVisibleTo(&window)
                     == shown.contains(QString::fromLatin1(panel)),
                 panel);
    QCOMPARE(f.program->layout().outerSize(), size);

    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The client area in pixels, fixed, and the controls in view as they should stand.
    QCOMPARE(f.ui().client->size(), size == kSettings ? QSize(524, 313) : QSize(249, size == kEditing ? 477 : 313));
    const QStringList faults = layoutFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
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
    // Every control in sight, once, and nothing else.
    QCOMPARE(sortedNames(walked), sortedNames(expected));

    // Each panel (a frame in the client area, or the client area's own buttons)
    // is walked in one go, in reading order: a row above first, left before
    // right within a row. The walk is a circle, so the panel it starts in may
    // take up again at its end.
    QStringList panels;
    for (qsizetype i = 0; i < walked.size(); ++i) {
        const QWidget *panel = walked[i];
        while (panel->parentWidget() != f.ui().client)
            panel = panel->parentWidget();
        const QString name = qobject_cast<const QGroupBox *>(panel) ? panel->objectName() : u"client"_s;
        if (panels.isEmpty() || panels.constLast() != name) {
            panels << name;
            continue;
        }
        const QRect a = inWindow(walked[i - 1]), b = inWindow(walked[i]);
        QVERIFY2(a.center().y() < b.top() || (b.center().y() >= a.top() && a.left() < b.left()),
                 qPrintable(walked[i - 1]->objectName() + u" then "_s + walked[i]->objectName()));
    }
    if (panels.size() > 1 && panels.constFirst() == panels.constLast())
        panels.removeLast();
    QCOMPARE(panels.removeDuplicates(), 0);
    QCOMPARE(f.ui().mnuRaffler->isChecked(), marked == u"mnuRaffler");
    QCOMPARE(f.ui().mnuLister->isChecked(), marked == u"mnuLister");
}
