#include "window/rafflerpanel.h"

#include "chat/registrationintake.h"
#include "games/recover.h"
#include "ui_draw.h"

RafflerPanel::RafflerPanel(Ui::Draw &ui, const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    connect(ui.cmdGetText, &QPushButton::clicked, this, &RafflerPanel::cmdGetText_Click);
    connect(ui.Command19, &QPushButton::clicked, this, &RafflerPanel::Command19_Click);
}

void RafflerPanel::cmdGetText_Click()
{
    m_parts.intake.cmdGetText_Click(m_parts.input, m_parts.recovery);
}

void RafflerPanel::Command19_Click()
{
    Recover(m_parts.link, m_parts.recovery);
}
