#pragma once

#include <QObject>

class WindowLayout;
struct GameSession;
namespace Ui {
class MainWindow;
}

// The "Raffler" button panel.
class RafflerPanel : public QObject
{
    Q_OBJECT

public:
    RafflerPanel(Ui::MainWindow &ui, GameSession &session, WindowLayout &layout, QObject *parent = nullptr);

    void cmdStart_Click();   // "Start"
    void Command13_Click();  // "Round #"
    void Command32_Click();  // "Call 4 Reg"
    void cmdGetText_Click(); // "Get Reg"
    void Command1_Click();   // "Say List"
    void Command29_Click();  // "Closing"
    void Command3_Click();   // "Draw"
    void Command19_Click();  // "Recover"
    void Command21_Click();  // "Colors Caller"
    void Command34_Click();  // "Say Prizes"

private:
    GameSession &m_session;
    WindowLayout &m_layout;
};
