#include "window/optionsmenu.h"

#include "ui_mainwindow.h"
#include "window/mainwindow.h"
#include "window/windowoptions.h"

OptionsMenu::OptionsMenu(MainWindow &window, WindowOptions &options, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_options(options)
{
    Ui::MainWindow &ui = window.ui();
    const std::pair<WindowOptions::DelayItem, QAction *> items[] = {{WindowOptions::mnunone, ui.mnunone},
                                                                    {WindowOptions::mnu1, ui.mnu1},
                                                                    {WindowOptions::mnu2, ui.mnu2},
                                                                    {WindowOptions::mnu3, ui.mnu3}};
    for (const auto &[item, action] : items) {
        connect(action, &QAction::triggered, &options, [&options, item = item] { options.mnuDelay_Click(item); });
    }
    connect(&options, &WindowOptions::marksChanged, this, &OptionsMenu::showMarks);
    showMarks();

    ui.VScroll2->setValue(options.VScroll2());
    connect(ui.VScroll2, &QScrollBar::valueChanged, &options, &WindowOptions::VScroll2_Change);
    connect(&options, &WindowOptions::scrollChanged, ui.VScroll2, &QScrollBar::setValue);

    connect(ui.mnuStay, &QAction::triggered, &options, &WindowOptions::mnuStay_Click);
    connect(&options, &WindowOptions::stayOnTopChanged, this, [this](bool on) {
        m_window.ui().mnuStay->setChecked(on);
        m_window.setStayOnTop(on);
    });
    ui.mnuStay->setChecked(options.isStayOnTop());
}

void OptionsMenu::showMarks()
{
    Ui::MainWindow &ui = m_window.ui();
    ui.mnunone->setChecked(m_options.isMarked(WindowOptions::mnunone));
    ui.mnu1->setChecked(m_options.isMarked(WindowOptions::mnu1));
    ui.mnu2->setChecked(m_options.isMarked(WindowOptions::mnu2));
    ui.mnu3->setChecked(m_options.isMarked(WindowOptions::mnu3));
}
