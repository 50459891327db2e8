#pragma once

#include <QObject>

class WindowLayout;
namespace Ui {
class MainWindow;
}

// The buttons and menu items that switch panels: the three settings panels,
// and the Raffler and Lister modes.
class PanelSwitcher : public QObject
{
    Q_OBJECT

public:
    PanelSwitcher(Ui::MainWindow &ui, WindowLayout &layout, QObject *parent = nullptr);

    void Command14_Click(); // "Lister Settings"
    void Command15_Click(); // "Raffler Settings"
    void Command16_Click(); // "Main Settings"
    void mnuMain_Click();
    void mnuSetDraw_Click();
    void mnuSetLister_Click();
    void mnuRaffler_Click();
    void mnuLister_Click();

private:
    WindowLayout &m_layout;
};
