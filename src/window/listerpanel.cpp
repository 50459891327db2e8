#include "window/listerpanel.h"

#include "chat/registrationintake.h"
#include "games/recover.h"
#include "ui_draw.h"

ListerPanel::ListerPanel(Ui::Draw &ui, const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    connect(ui.Command9, &QPushButton::clicked, this, &ListerPanel::Command9_Click);
    connect(ui.Command20, &QPushButton::clicked, this, &ListerPanel::Command20_Click);
}

void ListerPanel::Command9_Click()
{
    m_parts.intake.Command9_Click(m_parts.input);
}

void ListerPanel::Command20_Click()
{
    Recover(m_parts.link, m_parts.recovery);
}
