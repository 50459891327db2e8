#include "about/aboutbox.h"
#include "support/programfixture.h"
#include "window/appearance.h"
#include "window/controlguide.h"
#include "window/helpmenu.h"
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

#include <climits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Control
{
    const char *name;
    const char *parent;
    const char *caption;          // nullptr: no caption to check
    int left, top, width, height; // twips; width -1: not checked
};

// The layout in twips, as the window's designer drew it.
const Control kControls[] = {
    {"Option1", "client", "Clear List", 120, 0, 1215, 255},
    {"Option2", "client", "Reset List", 1320, 0, 1215, 255},
    {"Frame2", "client", "Raffler (Players)", 120, 240, 2295, 3615},
    {"Frame3", "client", "Lister (Players)", 120, 240, 2295, 3615},
    {"Frame22", "client", "Color Caller", 120, 240, 2295, 2775},
    {"Frame4", "client", "Raffler", 2520, 240, 1215, 3615},
    {"Frame5", "client", "Lister", 2520, 240, 1215, 3615},
    {"Frame1", "client", "Macros", 120, 3840, 3615, 855},
    {"fra1", "client", "Macro #1", 120, 4800, 3615, 2415},
    {"Frame9", "client", "Main Settings", 3840, 0, 3975, 3975},
    {"Frame6", "client", "Raffler Settings", 3840, 0, 3975, 3975},
    {"Frame10", "client", "Lister Settings", 3840, 0, 3975, 3975},
    {"lstAvatars", "Frame2", nullptr, 120, 240, 2055, 2205},
    {"Label1", "Frame2", "Winners", 120, 2400, 735, 255},
    {"List1", "Frame2", nullptr, 120, 2640, 2055, 840},
    {"List3", "Frame3", nullptr, 120, 240, 2055, 2205},
    {"Label2", "Frame3", "Winners", 120, 2400, 735, 255},
    {"List4", "Frame3", nullptr, 120, 2640, 2055, 840},
    {"Label5", "Frame22", "Red", 120, 240, -1, 255},
    {"Label7", "Frame22", "Blue", 120, 600, -1, 255},
    {"Label8", "Frame22", "Green", 120, 960, -1, 255},
    {"Label9", "Frame22", "Silver", 120, 1320, -1, 255},
    {"Label6", "Frame22", "Black", 120, 1680, -1, 255},
    {"Label10", "Frame22", "Gold", 120, 2040, -1, 255},
    {"Command22", "Frame22", "Say colors", 120, 2400, 855, 255},
    {"Command24", "Frame22", "Ok", 1080, 2400, 375, 255},
    {"Command23", "Frame22", "Reset", 1560, 2400, 615, 255},
    {"cmdStart", "Frame4", "Start", 75, 240, 1020, 255},
    {"Command13", "Frame4", "Round #", 75, 540, 1020, 255},
    {"Command32", "Frame4", "Call 4 Reg", 75, 840, 1020, 255},
    {"cmdGetText", "Frame4", "Get Reg", 75, 1140, 1020, 255},
    {"Command1", "Frame4", "Say List", 75, 1440, 1020, 255},
    {"Command29", "Frame4", "Closing", 75, 1740, 1020, 255},
    {"Command3", "Frame4", "Draw", 75, 2040, 1020, 255},
    {"cmdExit", "Frame4", "&Exit", 75, 2340, 1020, 255},
    {"Command19", "Frame4", "Recover", 75, 2640, 1020, 255},
    {"Command21", "Frame4", "Colors Caller", 75, 2940, 1020, 255},
    {"Command34", "Frame4", "Say Prizes", 75, 3240, 1020, 255},
    {"Command8", "Frame5", "Start", 75, 240, 1020, 255},
    {"Command31", "Frame5", "Call 4 Reg", 75, 540, 1020, 255},
    {"Command9", "Frame5", "Get Reg", 75, 840, 1020, 255},
    {"Command11", "Frame5", "Say List", 75, 1140, 1020, 255},
    {"Command30", "Frame5", "Closing", 75, 1440, 1020, 255},
    {"Command12", "Frame5", "Say Next", 75, 1740, 1020, 255},
    {"Command7", "Frame5", "Call Next", 75, 2040, 1020, 255},
    {"Command10", "Frame5", "&Exit", 75, 2340, 1020, 255},
    {"Command20", "Frame5", "Recover", 75, 2640, 1020, 255},
    {"Command25", "Frame5", "Colors Caller", 75, 2940, 1020, 255},
    {"Command33", "Frame5", "Say Prizes", 75, 3240, 1020, 255},
    {"HScroll1", "fra1", nullptr, 120, 1740, 3375, 255},
    {"Command27", "fra1", "Save", 120, 2040, 855, 255},
    {"Command28", "fra1", "Load", 1080, 2040, 855, 255},
    {"Command26", "fra1", "Clear", 2040, 2040, 735, 255},
    {"Command6", "fra1", "Ok", 2880, 2040, 615, 255},
    {"Frame8", "Frame9", "ESP Confermation", 120, 240, 3735, 615},
    {"txtSettings_1", "Frame8", nullptr, 120, 240, 2655, 285},
    // Label14, Check1 and Frame11 are a little larger than drawn, so that their
    // captions fit in the window's font.
    {"Label14", "Frame8", "Symbol For reg", 2880, 120, 615, 405},
    {"txtSettings_0", "Frame8", nullptr, 3480, 240, 255, 285},
    {"Check1", "Frame9", "Confermation?", 1620, 240, 1395, 255},
    {"Label13", "Frame9", "Sym", 2880, 480, 615, 255},
    {"Frame11", "Frame9", "First Line on List", 120, 960, 3000, 615},
    {"txtSettings_10", "Frame11", nullptr, 120, 240, 2535, 285},
    {"Check2", "Frame11", "Say Winners List?", 1320, 0, 1695, 255},
    {"Frame23", "Frame9", "Delay", 3120, 960, 735, 615},
    {"txtSettings_13", "Frame23", nullptr, 120, 240, 255, 285},
    {"VScroll2", "Frame23", nullptr, 360, 240, 255, 285},
    {"Frame24", "Frame9", "Welcome Line", 120, 1560, 3735, 735},
    {"txtSettings_17", "Frame24", nullptr, 120, 240, 3375, 285},
    {"Frame16", "Frame9", "Prizes Settings", 120, 2280, 3735, 1575},
    {"Check3", "Frame16", "Say Prizes?", 1440, 0, 1215, 255},
    {"Frame17", "Frame16", "Prize # 1", 120, 240, 3495, 615},
    {"VScroll1", "Frame17", nullptr, 2520, 240, 255, 285},
    {"Label12", "Frame17", "# of Prizes", 2640, 0, 855, 255},
    {"txtSettings_18", "Frame17", nullptr, 2880, 240, 375, 285},
    {"Frame25", "Frame16", "First Line of Prizes", 120, 840, 2655, 615},
    {"txtSettings_19", "Frame25", nullptr, 120, 240, 2415, 285},
    {"Frame14", "Frame6", "ESP Winner", 120, 240, 3615, 615},
    {"txtSettings_4", "Frame14", nullptr, 120, 240, 3375, 285},
    {"Frame15", "Frame6", "Say winning Text", 120, 840, 3615, 615},
    {"txtSettings_5", "Frame15", nullptr, 120, 240, 3375, 285},
    {"Frame18", "Frame6", "Draws", 120, 1560, 1335, 615},
    {"txtSettings_6", "Frame18", nullptr, 120, 240, 255, 285},
    {"Label11", "Frame18", "# of Draws", 360, 240, 855, 255},
    {"Frame19", "Frame6", "Rounds", 1560, 1560, 2175, 615},
    {"txtSettings_9", "Frame19", nullptr, 120, 240, 375, 285},
    {"Label4", "Frame19", "Rounds", 480, 240, 615, 255},
    {"txtSettings_7", "Frame19", nullptr, 1080, 240, 375, 285},
    {"Label3", "Frame19", "OF", 1440, 240, 255, 255},
    {"txtSettings_8", "Frame19", nullptr, 1680, 240, 375, 285},
    {"Frame12", "Frame10", "Say Next (ESP)", 120, 240, 3615, 615},
    {"txtSettings_2", "Frame12", nullptr, 120, 240, 3375, 285},
    {"Frame13", "Frame10", "Say Next (Say)", 120, 960, 3615, 615},
    {"txtSettings_3", "Frame13", nullptr, 120, 240, 3375, 285},
    {"Frame20", "Frame10", "Call Next (ESP)", 120, 1680, 3615, 615},
    {"txtSettings_11", "Frame20", nullptr, 120, 240, 3375, 285},
    {"Frame21", "Frame10", "Call Next (Say)", 120, 2400, 3615, 615},
    {"txtSettings_12", "Frame21", nullptr, 120, 240, 3375, 285},
    {"Command14", "client", "Lister Settings", 3840, 4080, 1215, 255},
    {"Command15", "client", "Raffler Settings", 5160, 4080, 1335, 255},
    {"Command16", "client", "Main Settings", 6600, 4080, 1215, 255},
    {"Command18", "client", "Clear", 3840, 4400, 1215, 255},
    {"Command2", "client", "Restore Defults", 5160, 4400, 1335, 255},
    {"Command17", "client", "Ok", 6600, 4400, 1215, 255},
};

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

void WindowTest::controlsAndMenusStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");       // null for a menu
    QTest::addColumn<QStringList>("items"); // a menu's, objectName=caption, in order; a submenu has no name
    const auto row = [](const QString &name, const char *parent, const QString &caption, QRect twips) {
        QTest::newRow(qPrintable(name)) << QString::fromLatin1(parent) << caption << twips << QStringList();
    };
    for (const Control &c : kControls)
        row(QString::fromLatin1(c.name), c.parent, c.caption ? QString::fromLatin1(c.caption) : QString(),
            QRect(c.left, c.top, c.width, c.height));
    // The arrays: the macro buttons in two rows of ten, a box and a holder for
    // each colour, and the prize and macro boxes of every page at one place.
    for (int i = 0; i < 20; ++i) {
        const QString n = QString::number(i);
        row(u"cmdCommunicate_"_s + n, "Frame1", QString::number(i + 1),
            QRect(i % 10 ? 360 * (i % 10) : 50, i < 10 ? 240 : 540, 315, 255));
        row(u"txtText_"_s + n, "fra1", QString(), QRect(120, 240, 3315, 1500));
        if (i < 10)
            row(u"txtPrizes_"_s + n, "Frame17", QString(), QRect(120, 240, 2415, 285));
        if (i < 6) {
            row(u"Check"_s + QString::number(i + 4), "Frame22", QString(), QRect(600, 240 + 360 * i, 255, 255));
            row(u"txtcolor_"_s + n, "Frame22", QString(), QRect(960, 240 + 360 * i, 1215, 285));
        }
    }

    const auto menu = [](const char *name, const QStringList &items) {
        QTest::newRow(name) << QString() << QString() << QRect() << items;
    };
    menu("menubar", {u"=File"_s, u"=Settings"_s, u"=Macros"_s, u"=Help"_s});
    menu("mnuFile", {u"mnuExit=Exit"_s});
    menu(
        "mnuSettings",
        {u"mnuStay=Stay On Top"_s, u"=Delay"_s, u"=Hoster Settings"_s, u"mnuRaffler=Raffler"_s, u"mnuLister=Lister"_s});
    menu("mnuDelay", {u"mnunone=None"_s, u"mnu1=1"_s, u"mnu2=2"_s, u"mnu3=3"_s});
    menu("mnuHoater", {u"mnuMain=Main"_s, u"mnuSetDraw=Raffler"_s, u"mnuSetLister=Lister"_s});
    menu("mnuMacros", {u"mnuEdit=Edit"_s, u"mnuSpace=(line)"_s, u"mnuLoad=Load"_s, u"mnuSave=Save"_s});
    menu("mnuHelp", {u"mnuAbout1=About"_s});
    menu("mnuAvi", {u"mnuAviRemove=Remove PLayer"_s});
    menu("mnuLstLister", {u"mnuRemoveLister=Remove PLayer"_s});
    menu("mnuColor", {u"mnuRemove=Remove Player"_s, u"mnuAdd=Add Player To List"_s, u"=Color"_s});
    menu("mnuColors",
         {u"mnuRed=Red"_s, u"mnuBlue=Blue"_s, u"mnuGreen=Green"_s, u"mnuSilver=Silver"_s, u"mnuBlack=Black"_s,
          u"mnuGold=Gold"_s});
    menu("mnuColor1", {u"mnuRe=Remove PLayer"_s, u"mnuAdd1=Add Player To List"_s, u"=Color"_s});
    menu("mnuColor8",
         {u"mnuRed1=Red"_s, u"mnuBlue1=Blue"_s, u"mnuGreen1=Green"_s, u"mnuSilver1=Silver"_s, u"mnuBlack1=Black"_s,
          u"mnuGold1=Gold"_s});
}

void WindowTest::controlsAndMenusStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(QStringList, items);

    WindowLayout layout;
    MainWindow window(layout);
    const auto *widget = window.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    if (twips.isNull()) {
        QStringList found;
        for (const QAction *action : widget->actions()) {
            found << (action->menu() ? QString() : action->objectName()) + u'='
                    + (action->isSeparator() ? u"(line)"_s : action->text());
        }
        QCOMPARE(found, items);
        return;
    }
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    if (!caption.isNull())
        QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->pos(), QPoint(MainWindow::pixels(twips.x()), MainWindow::pixels(twips.y())));
    if (twips.width() >= 0)
        QCOMPARE(widget->width(), MainWindow::pixels(twips.width()));
    QCOMPARE(widget->height(), MainWindow::pixels(twips.height()));
}

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
    panelRow("Hoster Settings > Main", "mnuMain", "Frame2 Frame4 Frame9", kSettings, "mnuRaffler");
    panelRow("Lister Settings twice", "Command14 Command14", "Frame2 Frame4 Frame10", kSettings, "mnuRaffler");
    panelRow("Hoster Settings > Lister", "mnuSetLister", "Frame2 Frame4 Frame10", kSettings, "mnuRaffler");
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
    QCOMPARE(window.width(), MainWindow::clientSizeFor(size).width());
    // No control in view is cut off by the window's edge; a frame's own border may be.
    const QRect client(QPoint(0, 0), MainWindow::clientSizeFor(size));
    for (const QWidget *control : f.ui().client->findChildren<QWidget *>()) {
        const QRect place(control->mapTo(f.ui().client, QPoint(0, 0)), control->size());
        if (control->isVisibleTo(&window) && !qobject_cast<const QGroupBox *>(control)
            && client.contains(place.topLeft()))
            QVERIFY2(client.contains(place), qPrintable(control->objectName()));
    }

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
