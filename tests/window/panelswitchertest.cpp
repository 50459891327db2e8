#include "panelswitchertest.h"

#include "support/programfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QSize kCompact(3855, 5475), kSettings(7980, 5475), kEditing(3855, 7935);

// A row from space-separated names: the controls used in turn, the panels
// then shown ("settings" for all three settings panels) and the mode marked.
void row(const char *tag, const char *steps, const char *shown, QSize size, const char *marked)
{
    QStringList panels = QString::fromLatin1(shown).split(u' ');
    if (panels.removeAll(u"settings"_s))
        panels << u"Frame9"_s << u"Frame6"_s << u"Frame10"_s;
    QTest::newRow(tag) << QString::fromLatin1(steps).split(u' ', Qt::SkipEmptyParts) << panels << size
                       << QString::fromLatin1(marked);
}

} // namespace

void PanelSwitcherTest::panelsAndSizesFollowTheHostsChoices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("marked");

    row("after start-up", "", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    row("Lister mode", "mnuLister", "Frame3 Frame5 settings", kCompact, "mnuLister");
    row("Raffler mode again", "mnuLister mnuRaffler", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    row("Raffler chosen while marked", "mnuRaffler", "Frame2 Frame4 settings", kCompact, "mnuRaffler");
    row("Main Settings", "Command16", "Frame2 Frame4 Frame9", kSettings, "mnuRaffler");
    row("Hoster Settings > Main", "mnuMain", "Frame2 Frame4 Frame9", kSettings, "mnuRaffler");
    row("Lister Settings twice", "Command14 Command14", "Frame2 Frame4 Frame10", kSettings, "mnuRaffler");
    row("Hoster Settings > Lister", "mnuSetLister", "Frame2 Frame4 Frame10", kSettings, "mnuRaffler");
    row("Hoster Settings > Raffler in Lister mode also shows the raffle buttons", "mnuLister mnuSetDraw",
        "Frame3 Frame4 Frame5 Frame6", kSettings, "mnuLister");
    row("settings Ok keeps the panel, out of view", "Command15 Command17", "Frame2 Frame4 Frame6", kCompact,
        "mnuRaffler");
    row("macro editor", "mnuEdit", "Frame2 Frame4 settings", kEditing, "mnuRaffler");
    row("Main Settings at the macro editing size", "mnuEdit Command16", "Frame2 Frame4 Frame9", kSettings,
        "mnuRaffler");
    row("macro Ok keeps the width", "Command16 Command6", "Frame2 Frame4 Frame9", kSettings, "mnuRaffler");
    row("colour caller", "Command21", "Frame22 Frame4 settings", kCompact, "mnuRaffler");
    row("Lister mode under the colour caller", "Command21 mnuLister", "Frame3 Frame22 Frame5 settings", kCompact,
        "mnuLister");
    row("colour caller Ok brings the Lister back", "Command21 mnuLister Command24", "Frame3 Frame5 settings",
        kCompact, "mnuLister");
}

void PanelSwitcherTest::panelsAndSizesFollowTheHostsChoices()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QSize, size);
    QFETCH(QString, marked);

    ProgramFixture f;
    Draw &window = f.program->window();
    for (const QString &step : std::as_const(steps)) {
        if (auto *button = window.findChild<QAbstractButton *>(step))
            button->click();
        else
            window.findChild<QAction *>(step)->trigger();
    }

    for (const char *panel : {"Frame2", "Frame3", "Frame22", "Frame4", "Frame5", "Frame9", "Frame6", "Frame10"})
        QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(panel))->isVisibleTo(&window)
                     == shown.contains(QString::fromLatin1(panel)),
                 panel);
    QCOMPARE(f.program->layout().outerSize(), size);
    QCOMPARE(window.width(), Draw::clientSizeFor(size).width());
    QCOMPARE(f.ui().mnuRaffler->isChecked(), marked == u"mnuRaffler");
    QCOMPARE(f.ui().mnuLister->isChecked(), marked == u"mnuLister");
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
    for (const Case &c : {Case{kCompact, "Frame1"}, Case{kSettings, "Command17"}, Case{kSettings, "Frame9"},
                          Case{kEditing, "Command6"}}) {
        const QSize client = Draw::clientSizeFor(c.outer);
        const auto *widget = window.findChild<QWidget *>(QString::fromLatin1(c.lastShown));
        const QRect place(widget->mapTo(window.centralWidget(), QPoint(0, 0)), widget->size());
        QVERIFY2(place.right() < client.width() && place.bottom() < client.height(), c.lastShown);
    }
}
