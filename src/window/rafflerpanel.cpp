#include "window/rafflerpanel.h"

#include "games/gamesession.h"
#include "games/recover.h"
#include "ui_mainwindow.h"
#include "window/windowlayout.h"

RafflerPanel::RafflerPanel(Ui::MainWindow &ui, GameSession &session, WindowLayout &layout, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_layout(layout)
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
    m_session.raffle.start();
}

void RafflerPanel::Command13_Click()
{
    m_session.raffle.announceRound();
}

void RafflerPanel::Command32_Click()
{
    m_session.announcements.callForRegistrations();
}

void RafflerPanel::cmdGetText_Click()
{
    m_session.raffle.takeInRegistrations();
}

void RafflerPanel::Command1_Click()
{
    m_session.raffle.sayList();
}

void RafflerPanel::Command29_Click()
{
    m_session.announcements.countDown();
}

void RafflerPanel::Command3_Click()
{
    m_session.raffle.draw();
}

void RafflerPanel::Command19_Click()
{
    recoverLists(m_session.link, m_session.recovery, m_session.journal);
}

void RafflerPanel::Command21_Click()
{
    m_layout.showColourCaller();
}

void RafflerPanel::Command34_Click()
{
    m_session.announcements.sayPrizes();
}
