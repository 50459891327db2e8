#pragma once

#include "about/frmabout.h"

#include <QObject>
#include <QPointer>

class Draw;
class Prompts;
class WindowInput;

// The Help menu: "About" opens the About box while the main window waits.
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    HelpMenu(Draw &window, WindowInput &input, Prompts &prompts, QObject *parent = nullptr);

    void mnuAbout1_Click();

    // The About box while it is open.
    frmAbout *aboutBox() const { return m_about; }

signals:
    void aboutBoxOpened(frmAbout *box);

private:
    Draw &m_window;
    WindowInput &m_input;
    Prompts &m_prompts;
    QPointer<frmAbout> m_about;
};
