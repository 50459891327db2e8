#include "window/listerpanel.h"

#include "chat/registrationintake.h"
#include "core/recovery.h"
#include "games/announcements.h"
#include "games/lister.h"
#include "games/recover.h"
#include "ui_mainwindow.h"
#include "window/windowlayout.h"

ListerPanel::ListerPanel(Ui::MainWindow &ui, const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    const std::pair<QPushButton *, void (ListerPanel::*)()> buttons[] = {
        {ui.Command8, &ListerPanel::Command8_Click},   {ui.Command31, &ListerPanel::Command31_Click},
        {ui.Command9, &ListerPanel::Command9_Click},   {ui.Command11, &ListerPanel::Command11_Click},
        {ui.Command30, &ListerPanel::Command30_Click}, {ui.Command12, &ListerPanel::Command12_Click},
        {ui.Command7, &ListerPanel::Command7_Click},   {ui.Command20, &ListerPanel::Command20_Click},
        {ui.Command25, &ListerPanel::Command25_Click}, {ui.Command33, &ListerPanel::Command33_Click}};
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

void ListerPanel::Command8_Click()
{
    m_parts.lister.Command8_Click();
}

void ListerPanel::Command31_Click()
{
    m_parts.announcements.CallForRegistrations();
}

void ListerPanel::Command9_Click()
{
    m_parts.intake.Command9_Click(m_parts.input);
}

void ListerPanel::Command11_Click()
{
    m_parts.lister.Command11_Click();
}

void ListerPanel::Command30_Click()
{
    m_parts.announcements.Closing();
}

void ListerPanel::Command12_Click()
{
    m_parts.lister.Command12_Click();
}

void ListerPanel::Command7_Click()
{
    m_parts.lister.Command7_Click();
}

void ListerPanel::Command20_Click()
{
    Recover(m_parts.link, m_parts.recovery);
}

void ListerPanel::Command25_Click()
{
    m_parts.layout.showColourCaller();
    m_parts.recovery.WriteRecovery();
}

void ListerPanel::Command33_Click()
{
    m_parts.announcements.SayPrizes();
}
