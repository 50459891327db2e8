#include "window/rafflerpanel.h"

#include "chat/registrationintake.h"
#include "games/announcements.h"
#include "games/raffle.h"
#include "games/recover.h"
#include "ui_mainwindow.h"
#include "window/windowlayout.h"

RafflerPanel::RafflerPanel(Ui::MainWindow &ui, const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    const std::pair<QPushButton *, void (RafflerPanel::*)()> buttons[] = {
        {ui.cmdStart, &RafflerPanel::cmdStart_Click},   {ui.Command13, &RafflerPanel::Command13_Click},
        {ui.Command32, &RafflerPanel::Command32_Click}, {ui.cmdGetText, &RafflerPanel::cmdGetText_Click},
        {ui.Command1, &RafflerPanel::Command1_Click},   {ui.Command29, &RafflerPanel::Command29_Click},
        {ui.Command3, &RafflerPanel::Command3_Click},   {ui.Command19, &RafflerPanel::Command19_Click},
        {ui.Command21, &RafflerPanel::Command21_Click}, {ui.Command34, &RafflerPanel::Command34_Click}};
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

void RafflerPanel::cmdStart_Click()
{
    m_parts.raffle.cmdStart_Click();
}

void RafflerPanel::Command13_Click()
{
    m_parts.raffle.Command13_Click();
}

void RafflerPanel::Command32_Click()
{
    m_parts.announcements.CallForRegistrations();
}

void RafflerPanel::cmdGetText_Click()
{
    m_parts.intake.cmdGetText_Click(m_parts.input, m_parts.recovery);
}

void RafflerPanel::Command1_Click()
{
    m_parts.raffle.Command1_Click();
}

void RafflerPanel::Command29_Click()
{
    m_parts.announcements.Closing();
}

void RafflerPanel::Command3_Click()
{
    m_parts.raffle.Command3_Click();
}

void RafflerPanel::Command19_Click()
{
    Recover(m_parts.link, m_parts.recovery);
}

void RafflerPanel::Command21_Click()
{
    m_parts.layout.showColourCaller();
}

void RafflerPanel::Command34_Click()
{
    m_parts.announcements.SayPrizes();
}
