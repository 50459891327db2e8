#pragma once

#include <QObject>

class MainWindow;
class WindowOptions;

// Binds the Delay menu, the Delay scroll bar and "Stay On Top" to the
// window options, and keeps the window above the others while it is on.
class OptionsMenu : public QObject
{
    Q_OBJECT

public:
    OptionsMenu(MainWindow &window, WindowOptions &options, QObject *parent = nullptr);

private:
    void showMarks();

    MainWindow &m_window;
    WindowOptions &m_options;
};
