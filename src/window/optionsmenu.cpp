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
    const std::pair<WindowOptions::DelayItem, QAction *> items[] = {{WindowOptions::NoDelay, ui.mnunone},
                                                                    {WindowOptions::OneSecond, ui.mnu1},
                                                                    {WindowOptions::TwoSeconds, ui.mnu2},
                                                                    {WindowOptions::ThreeSeconds, ui.mnu3}};
    for (const auto &[item, action] : items) {
        connect(action, &QAction::triggered, &options, [&options, item = item] { options.chooseDelay(item); });
    }
    connect(&options, &WindowOptions::marksChanged, this, &OptionsMenu::showMarks);
    showMarks();

    ui.VScroll2->setValue(options.scrollValue());
    connect(ui.VScroll2, &QScrollBar::valueChanged, &options, &WindowOptions::setScrollValue);
    connect(&options, &WindowOptions::scrollChanged, ui.VScroll2, &QScrollBar::setValue);

    connect(ui.mnuStay, &QAction::triggered, &options, &WindowOptions::toggleStayOnTop);
    connect(&options, &WindowOptions::stayOnTopChanged, this, [this](bool on) {
        m_window.ui().mnuStay->setChecked(on);
        m_window.setStayOnTop(on);
    });
    ui.mnuStay->setChecked(options.isStayOnTop());
}

void OptionsMenu::showMarks()
{
    Ui::MainWindow &ui = m_window.ui();
    ui.mnunone->setChecked(m_options.isMarked(WindowOptions::NoDelay));
    ui.mnu1->setChecked(m_options.isMarked(WindowOptions::OneSecond));
    ui.mnu2->setChecked(m_options.isMarked(WindowOptions::TwoSeconds));
    ui.mnu3->setChecked(m_options.isMarked(WindowOptions::ThreeSeconds));
}
