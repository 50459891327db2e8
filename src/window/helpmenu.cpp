#include "window/helpmenu.h"

#include "about/aboutbox.h"
#include "interaction/windowinput.h"
#include "ui_mainwindow.h"
#include "window/mainwindow.h"

HelpMenu::HelpMenu(MainWindow &window, WindowInput &input, Prompts &prompts, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_input(input)
    , m_prompts(prompts)
{
    connect(window.ui().mnuAbout1, &QAction::triggered, this, &HelpMenu::mnuAbout1_Click);
}

void HelpMenu::mnuAbout1_Click()
{
    if (m_about) {
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    // Not modal: the disabled main window is what keeps the host in the box.
    m_about = new AboutBox(m_window.windowTitle(), m_input, m_prompts, &m_window);
    connect(m_about, &QDialog::finished, m_about, &QObject::deleteLater);
    // Disabling a window also disables the windows it owns at that moment.
    // The box is made afterwards, and as a window of its own it takes input
    // whatever its owner's state.
    m_about->setEnabled(true);
    m_about->show();
    emit aboutBoxOpened(m_about);
}
