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
    for (const Panel settings : {Frame9, Frame6, Frame10})
        setVisible(settings, settings == panel);
}

void WindowLayout::rafflerMode()
{
    setVisible(Frame5, false);
    setVisible(Frame3, false);
    setVisible(Frame2, true);
    setVisible(Frame4, true);
    setMarks(true, false);
}

void WindowLayout::listerMode()
{
    setVisible(Frame5, true);
    setVisible(Frame3, true);
    setVisible(Frame2, false);
    setVisible(Frame4, false);
    setMarks(false, true);
}

void WindowLayout::uncheckLister()
{
    setMarks(m_raffler, false);
}

void WindowLayout::showColourCaller()
{
    setVisible(Frame22, true);
    setVisible(Frame3, false);
    setVisible(Frame2, false);
}

void WindowLayout::closeColourCaller()
{
    setVisible(Frame22, false);
    setVisible(Frame3, false);
    setVisible(Frame2, false);
    if (m_lister)
        setVisible(Frame3, true);
    if (m_raffler)
        setVisible(Frame2, true);
}

void WindowLayout::setMarks(bool raffler, bool lister)
{
    // Announced even when nothing changed: a click on a checkable menu item
    // has already flipped its mark, and the window must set it back.
    m_raffler = raffler;
    m_lister = lister;
    emit modeChanged();
}
