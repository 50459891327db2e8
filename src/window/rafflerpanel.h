#pragma once

#include <QObject>

class ChatLink;
class Recovery;
class RegistrationIntake;
class WindowInput;
namespace Ui {
class Draw;
}

// The "Raffler" button panel.
class RafflerPanel : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        ChatLink &link;
        RegistrationIntake &intake;
        Recovery &recovery;
        WindowInput &input;
    };

    RafflerPanel(Ui::Draw &ui, const Parts &parts, QObject *parent = nullptr);

    void cmdGetText_Click(); // "Get Reg"
    void Command19_Click();  // "Recover"

private:
    Parts m_parts;
};
