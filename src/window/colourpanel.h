#pragma once

#include <QObject>

class ColourCaller;
class WindowLayout;
struct WindowControls;
struct PlayerLists;
namespace Ui {
class MainWindow;
}

// The "Color Caller" panel and the colour items of the winners' menus.
class ColourPanel : public QObject
{
    Q_OBJECT

public:
    ColourPanel(Ui::MainWindow &ui, const WindowControls &controls, ColourCaller &colours, PlayerLists &lists,
                WindowLayout &layout, QObject *parent = nullptr);

    void Command22_Click(); // "Say colors"
    void Command23_Click(); // "Reset"
    void Command24_Click(); // "Ok"

private:
    void show(int colour);

    const WindowControls &m_controls;
    ColourCaller &m_colours;
    WindowLayout &m_layout;
};
