#pragma once

#include <QObject>

class ChatLink;
class Recovery;
class RegistrationIntake;
class WindowInput;
namespace Ui {
class Draw;
}

// The "Lister" button panel.
class ListerPanel : public QObject
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

    ListerPanel(Ui::Draw &ui, const Parts &parts, QObject *parent = nullptr);

    void Command9_Click();  // "Get Reg"
    void Command20_Click(); // "Recover"

private:
    Parts m_parts;
};
