#pragma once

#include "about/aboutbox.h"

#include <QObject>
#include <QPointer>

class MainWindow;
class Prompts;
class WindowInput;

// The Help menu: "About" opens the About box while the main window waits.
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    HelpMenu(MainWindow &window, WindowInput &input, Prompts &prompts, QObject *parent = nullptr);

    void mnuAbout1_Click();

    // The About box while it is open.
    AboutBox *aboutBox() const { return m_about; }

signals:
    void aboutBoxOpened(AboutBox *box);

private:
    MainWindow &m_window;
    WindowInput &m_input;
    Prompts &m_prompts;
    QPointer<AboutBox> m_about;
};
