#include "panelswitchertest.h"

#include "window/draw.h"
#include "window/panelswitcher.h"
#include "window/windowlayout.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const char *const kPanels[] = {"Frame2", "Frame3", "Frame22", "Frame4", "Frame5", "Frame9", "Frame6", "Frame10"};

// The state the window starts in: raffle panels, compact, Lister unmarked.
void startUp(WindowLayout &layout)
{
    layout.setVisible(WindowLayout::Frame22, false);
    layout.setVisible(WindowLayout::Frame5, false);
    layout.setVisible(WindowLayout::Frame3, false);
    layout.setOuterHeight(WindowLayout::kNormalHeight);
    layout.setOuterWidth(WindowLayout::kCompactWidth);
    layout.uncheckLister();
}

// Steps that belong to panels built elsewhere act on the layout directly.
void perform(const QString &step, Draw &window, WindowLayout &layout)
{
    if (step == u"colours")
        layout.showColourCaller();
    else if (step == u"coloursOk")
        layout.closeColourCaller();
    else if (step == u"settingsOk") {
        layout.setOuterHeight(WindowLayout::kNormalHeight);
        layout.setOuterWidth(WindowLayout::kCompactWidth);
    } else if (step == u"macroEdit") {
        layout.setOuterHeight(WindowLayout::kMacroEditingHeight);
        layout.setOuterWidth(WindowLayout::kCompactWidth);
    } else if (step == u"macroOk")
        layout.setOuterHeight(WindowLayout::kNormalHeight);
    else if (auto *button = window.findChild<QAbstractButton *>(step))
        button->click();
    else if (auto *action = window.findChild<QAction *>(step))
        action->trigger();
    else
        QFAIL(qPrintable(u"unknown step "_s + step));
}

} // namespace

void PanelSwitcherTest::panelsAndSizesFollowTheHostsChoices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("marked");

    const QSize compact(3855, 5475), settings(7980, 5475), editing(3855, 7935);
    const QStringList allSettings{u"Frame9"_s, u"Frame6"_s, u"Frame10"_s};

    QTest::newRow("after start-up") << QStringList{} << QStringList{u"Frame2"_s, u"Frame4"_s} + allSettings
                                    << compact << u"mnuRaffler"_s;
    QTest::newRow("Lister mode") << QStringList{u"mnuLister"_s}
                                 << QStringList{u"Frame3"_s, u"Frame5"_s} + allSettings << compact << u"mnuLister"_s;
    QTest::newRow("Raffler mode again") << QStringList{u"mnuLister"_s, u"mnuRaffler"_s}
                                        << QStringList{u"Frame2"_s, u"Frame4"_s} + allSettings << compact
                                        << u"mnuRaffler"_s;
    QTest::newRow("Raffler chosen while marked") << QStringList{u"mnuRaffler"_s}
                                                 << QStringList{u"Frame2"_s, u"Frame4"_s} + allSettings << compact
                                                 << u"mnuRaffler"_s;
    QTest::newRow("Main Settings") << QStringList{u"Command16"_s}
                                   << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame9"_s} << settings
                                   << u"mnuRaffler"_s;
    QTest::newRow("Hoster Settings > Main") << QStringList{u"mnuMain"_s}
                                            << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame9"_s} << settings
                                            << u"mnuRaffler"_s;
    QTest::newRow("Lister Settings twice") << QStringList{u"Command14"_s, u"Command14"_s}
                                           << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame10"_s} << settings
                                           << u"mnuRaffler"_s;
    QTest::newRow("Hoster Settings > Lister") << QStringList{u"mnuSetLister"_s}
                                              << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame10"_s} << settings
                                              << u"mnuRaffler"_s;
    QTest::newRow("Hoster Settings > Raffler in Lister mode also shows the raffle buttons")
        << QStringList{u"mnuLister"_s, u"mnuSetDraw"_s}
        << QStringList{u"Frame3"_s, u"Frame4"_s, u"Frame5"_s, u"Frame6"_s} << settings << u"mnuLister"_s;
    QTest::newRow("settings Ok keeps the panel, out of view")
        << QStringList{u"Command15"_s, u"settingsOk"_s} << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame6"_s}
        << compact << u"mnuRaffler"_s;
    QTest::newRow("Main Settings at the macro editing size")
        << QStringList{u"macroEdit"_s, u"Command16"_s} << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame9"_s}
        << settings << u"mnuRaffler"_s;
    QTest::newRow("macro editor and back") << QStringList{u"macroEdit"_s}
                                           << QStringList{u"Frame2"_s, u"Frame4"_s} + allSettings << editing
                                           << u"mnuRaffler"_s;
    QTest::newRow("macro Ok keeps the width")
        << QStringList{u"Command16"_s, u"macroOk"_s} << QStringList{u"Frame2"_s, u"Frame4"_s, u"Frame9"_s}
        << settings << u"mnuRaffler"_s;
    QTest::newRow("colour caller") << QStringList{u"colours"_s}
                                   << QStringList{u"Frame22"_s, u"Frame4"_s} + allSettings << compact
                                   << u"mnuRaffler"_s;
    QTest::newRow("Lister mode under the colour caller")
        << QStringList{u"colours"_s, u"mnuLister"_s}
        << QStringList{u"Frame3"_s, u"Frame22"_s, u"Frame5"_s} + allSettings << compact << u"mnuLister"_s;
    QTest::newRow("colour caller Ok brings the Lister back")
        << QStringList{u"colours"_s, u"mnuLister"_s, u"coloursOk"_s}
        << QStringList{u"Frame3"_s, u"Frame5"_s} + allSettings << compact << u"mnuLister"_s;
}

void PanelSwitcherTest::panelsAndSizesFollowTheHostsChoices()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QSize, size);
    QFETCH(QString, marked);

    WindowLayout layout;
    Draw window(layout);
    PanelSwitcher switcher(window.ui(), layout);
    startUp(layout);
    for (const QString &step : steps)
        perform(step, window, layout);

    for (const char *panel : kPanels) {
        const bool expected = shown.contains(QString::fromLatin1(panel));
        QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(panel))->isVisibleTo(&window) == expected, panel);
    }
    QCOMPARE(layout.outerSize(), size);
    QCOMPARE(window.size().width(), Draw::clientSizeFor(size).width());
    for (const char *mark : {"mnuRaffler", "mnuLister"}) {
        QCOMPARE(window.findChild<QAction *>(QString::fromLatin1(mark))->isChecked(),
                 marked == QString::fromLatin1(mark));
    }
}

void PanelSwitcherTest::clientAreaFitsEverySize()
{
    // Each size shows the areas it is meant to show, with nothing cut off.
    WindowLayout layout;
    Draw window(layout);
    struct Case
    {
        QSize outer;
        const char *lastShown; // the lowest or rightmost area that must fit
    };
    for (const Case &c : {Case{{3855, 5475}, "Frame1"}, Case{{7980, 5475}, "Command17"},
                          Case{{7980, 5475}, "Frame9"}, Case{{3855, 7935}, "Command6"}}) {
        const QSize client = Draw::clientSizeFor(c.outer);
        const auto *widget = window.findChild<QWidget *>(QString::fromLatin1(c.lastShown));
        const QRect place(widget->mapTo(window.centralWidget(), QPoint(0, 0)), widget->size());
        QVERIFY2(place.right() < client.width() && place.bottom() < client.height(), c.lastShown);
    }
}
