#pragma once

#include <QObject>

class Draw;
class WindowOptions;

// Binds the Delay menu, the Delay scroll bar and "Stay On Top" to the
// window options, and keeps the window above the others while it is on.
class OptionsMenu : public QObject
{
    Q_OBJECT

public:
    OptionsMenu(Draw &window, WindowOptions &options, QObject *parent = nullptr);

private:
    void showMarks();

    Draw &m_window;
    WindowOptions &m_options;
};
