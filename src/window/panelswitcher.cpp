#include "window/panelswitcher.h"

#include "ui_mainwindow.h"
#include "window/windowlayout.h"

PanelSwitcher::PanelSwitcher(Ui::MainWindow &ui, WindowLayout &layout, QObject *parent)
    : QObject(parent)
    , m_layout(layout)
{
    connect(ui.Command14, &QPushButton::clicked, this, &PanelSwitcher::Command14_Click);
    connect(ui.Command15, &QPushButton::clicked, this, &PanelSwitcher::Command15_Click);
    connect(ui.Command16, &QPushButton::clicked, this, &PanelSwitcher::Command16_Click);
    connect(ui.mnuMain, &QAction::triggered, this, &PanelSwitcher::mnuMain_Click);
    connect(ui.mnuSetDraw, &QAction::triggered, this, &PanelSwitcher::mnuSetDraw_Click);
    connect(ui.mnuSetLister, &QAction::triggered, this, &PanelSwitcher::mnuSetLister_Click);
    connect(ui.mnuRaffler, &QAction::triggered, this, &PanelSwitcher::mnuRaffler_Click);
    connect(ui.mnuLister, &QAction::triggered, this, &PanelSwitcher::mnuLister_Click);
}

void PanelSwitcher::Command14_Click()
{
    m_layout.showSettingsPanel(WindowLayout::ListerSettings);
}

void PanelSwitcher::Command15_Click()
{
    m_layout.showSettingsPanel(WindowLayout::RaffleSettings);
}

void PanelSwitcher::Command16_Click()
{
    m_layout.showSettingsPanel(WindowLayout::MainSettings);
}

void PanelSwitcher::mnuMain_Click()
{
    Command16_Click();
}

void PanelSwitcher::mnuSetDraw_Click()
{
    Command15_Click();
    m_layout.setVisible(WindowLayout::RaffleButtons, true);
}

void PanelSwitcher::mnuSetLister_Click()
{
    Command14_Click();
}

void PanelSwitcher::mnuRaffler_Click()
{
    m_layout.rafflerMode();
}

void PanelSwitcher::mnuLister_Click()
{
    m_layout.listerMode();
}
