#include "window/listerpanel.h"

#include "games/gamesession.h"
#include "games/recover.h"
#include "ui_mainwindow.h"
#include "window/windowlayout.h"

ListerPanel::ListerPanel(Ui::MainWindow &ui, GameSession &session, WindowLayout &layout, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_layout(layout)
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
    m_session.lister.start();
}

void ListerPanel::Command31_Click()
{
    m_session.announcements.callForRegistrations();
}

void ListerPanel::Command9_Click()
{
    m_session.lister.takeInRegistrations();
}

void ListerPanel::Command11_Click()
{
    m_session.lister.sayList();
}

void ListerPanel::Command30_Click()
{
    m_session.announcements.countDown();
}

void ListerPanel::Command12_Click()
{
    m_session.lister.warnNext();
}

void ListerPanel::Command7_Click()
{
    m_session.lister.callNext();
}

void ListerPanel::Command20_Click()
{
    recoverLists(m_session.link, m_session.recovery, m_session.journal);
}

void ListerPanel::Command25_Click()
{
    m_layout.showColourCaller();
    m_session.recovery.WriteRecovery();
}

void ListerPanel::Command33_Click()
{
    m_session.announcements.sayPrizes();
}
