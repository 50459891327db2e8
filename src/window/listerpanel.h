#pragma once

#include <QObject>

class WindowLayout;
struct GameSession;
namespace Ui {
class MainWindow;
}

// The "Lister" button panel.
class ListerPanel : public QObject
{
    Q_OBJECT

public:
    ListerPanel(Ui::MainWindow &ui, GameSession &session, WindowLayout &layout, QObject *parent = nullptr);

    void Command8_Click();  // "Start"
    void Command31_Click(); // "Call 4 Reg"
    void Command9_Click();  // "Get Reg"
    void Command11_Click(); // "Say List"
    void Command30_Click(); // "Closing"
    void Command12_Click(); // "Say Next"
    void Command7_Click();  // "Call Next"
    void Command20_Click(); // "Recover"
    void Command25_Click(); // "Colors Caller"
    void Command33_Click(); // "Say Prizes"

private:
    GameSession &m_session;
    WindowLayout &m_layout;
};
