#include "window/windowlayout.h"

WindowLayout::WindowLayout(QObject *parent)
    : QObject(parent)
{
    m_visible.fill(true); // the design shows every panel; start-up hides what it must
}

void WindowLayout::setVisible(Panel panel, bool visible)
{
    if (m_visible[panel] == visible)
        return;
    m_visible[panel] = visible;
    emit visibilityChanged(panel, visible);
}

void WindowLayout::setOuterWidth(int twips)
{
    if (m_outer.width() == twips)
        return;
    m_outer.setWidth(twips);
    emit outerSizeChanged(m_outer);
}

void WindowLayout::setOuterHeight(int twips)
{
    if (m_outer.height() == twips)
        return;
    m_outer.setHeight(twips);
    emit outerSizeChanged(m_outer);
}

void WindowLayout::showSettingsPanel(Panel panel)
{
    setOuterWidth(kSettingsWidth);
    setOuterHeight(kNormalHeight);
    for (const Panel settings : {MainSettings, RaffleSettings, ListerSettings})
        setVisible(settings, settings == panel);
}

void WindowLayout::rafflerMode()
{
    setVisible(ListerButtons, false);
    setVisible(ListerPlayers, false);
    setVisible(RafflePlayers, true);
    setVisible(RaffleButtons, true);
    setMarks(true, false);
}

void WindowLayout::listerMode()
{
    setVisible(ListerButtons, true);
    setVisible(ListerPlayers, true);
    setVisible(RafflePlayers, false);
    setVisible(RaffleButtons, false);
    setMarks(false, true);
}

void WindowLayout::uncheckLister()
{
    setMarks(m_raffler, false);
}

void WindowLayout::showColourCaller()
{
    setVisible(Colours, true);
    setVisible(ListerPlayers, false);
    setVisible(RafflePlayers, false);
}

void WindowLayout::closeColourCaller()
{
    setVisible(Colours, false);
    setVisible(ListerPlayers, false);
    setVisible(RafflePlayers, false);
    if (m_lister)
        setVisible(ListerPlayers, true);
    if (m_raffler)
        setVisible(RafflePlayers, true);
}

void WindowLayout::setMarks(bool raffler, bool lister)
{
    // Announced even when nothing changed: a click on a checkable menu item
    // has already flipped its mark, and the window must set it back.
    m_raffler = raffler;
    m_lister = lister;
    emit modeChanged();
}
