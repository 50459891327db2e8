#include "window/program.h"

#include "macros/macrofiles.h"
#include "macros/macrosender.h"
#include "settings/valuefile.h"
#include "ui_mainwindow.h"
#include "window/colourpanel.h"
#include "window/controlguide.h"
#include "window/helpmenu.h"
#include "window/listbinding.h"
#include "window/listerpanel.h"
#include "window/listmenus.h"
#include "window/macropanel.h"
#include "window/optionsmenu.h"
#include "window/panelswitcher.h"
#include "window/rafflerpanel.h"
#include "window/settingspanel.h"
#include "window/widgetprompts.h"

Program::Program(Clock &clock, const Places &places, Prompts *prompts, QObject *parent)
    : QObject(parent)
    , m_store(places.programDirectory, places.fallbackDirectory)
    , m_link(clock)
    , m_prizes(m_store)
    , m_recovery(m_lists, m_store)
    , m_intake(m_link, m_settings, m_lists, m_tokenizer)
    , m_colours(m_link, m_input)
    , m_announcements(m_link, m_settings, m_prizes, m_intake)
    , m_picker(clock)
    , m_raffle({m_link, m_settings, m_prizes, m_lists, m_intake, m_recovery, m_input, m_colours, m_state,
                m_announcements, m_picker})
    , m_lister({m_link, m_settings, m_lists, m_intake, m_recovery, m_input, m_colours, m_state, m_announcements})
    , m_options(m_settings)
    , m_window(m_layout)
    , m_ownPrompts(prompts ? nullptr : std::make_unique<WidgetPrompts>(&m_window))
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
{
    Ui::MainWindow &ui = m_window.ui();
    m_switcher = std::make_unique<PanelSwitcher>(ui, m_layout);
    m_settingsPanel = std::make_unique<SettingsPanel>(ui, m_settings, m_prizes, m_store, m_layout);
    m_optionsMenu = std::make_unique<OptionsMenu>(m_window, m_options);
    m_rafflerPanel = std::make_unique<RafflerPanel>(
        ui, RafflerPanel::Parts{m_link, m_raffle, m_announcements, m_intake, m_recovery, m_input, m_layout});
    bindOpeningMode();
    m_listerPanel = std::make_unique<ListerPanel>(
        ui, ListerPanel::Parts{m_link, m_lister, m_announcements, m_intake, m_recovery, m_input, m_layout});
    m_listMenus = std::make_unique<ListMenus>(ui, m_link, m_lists);
    m_colourPanel = std::make_unique<ColourPanel>(ui, m_colours, m_lists, m_layout);
    new ListBinding(ui.lstAvatars, m_lists.players);
    new ListBinding(ui.List1, m_lists.winners);
    new ListBinding(ui.List3, m_lists.queue);
    new ListBinding(ui.List4, m_lists.called);
    m_macroSender = std::make_unique<MacroSender>(m_macros, m_link, m_tokenizer, m_input, m_recovery);
    // The macro dialogs open where the program keeps its files: the per-user
    // folder when the program's own cannot be written (an installed program).
    m_macroFiles = std::make_unique<MacroFiles>(m_macros, *m_prompts, m_store.directory());
    m_macroPanel = std::make_unique<MacroPanel>(ui, m_macros, *m_macroSender, *m_macroFiles, m_layout);
    m_helpMenu = std::make_unique<HelpMenu>(m_window, m_input, *m_prompts);
    // The whole window, menus included, takes no input while an operation speaks.
    connect(&m_input, &WindowInput::enabledChanged, &m_window, &MainWindow::setEnabled);

    connect(ui.cmdExit, &QPushButton::clicked, &m_window, &MainWindow::close);
    connect(ui.Command10, &QPushButton::clicked, &m_window, &MainWindow::close);
    connect(ui.mnuExit, &QAction::triggered, &m_window, &MainWindow::close);
    connect(&m_window, &MainWindow::unloading, this, &Program::Draw_Unload);

    m_window.showNotice(m_store.notice());
    connect(&m_store, &FileStore::noticeChanged, &m_window, &MainWindow::showNotice);
    // Last, so that names which follow a page are set after the page is shown.
    guideControls(ui);
}

Program::~Program() = default;

bool Program::Draw_Load()
{
    Ui::MainWindow &ui = m_window.ui();
    m_macroPanel->startUp();
    m_layout.setVisible(WindowLayout::Frame22, false);
    m_layout.setVisible(WindowLayout::Frame5, false);
    m_layout.setVisible(WindowLayout::Frame3, false);
    m_layout.setOuterHeight(WindowLayout::kNormalHeight);
    m_layout.setOuterWidth(WindowLayout::kCompactWidth);
    ui.Option1->setChecked(true);
    m_layout.uncheckLister();
    m_options.setStayOnTop(true);

    if (m_link.InitDDE() != 0) {
        m_prompts->showError(m_link.applicationName(),
                             tr("Error 10001: Failed to initialize DDE layer\n\n"
                                "The chat client could not be reached. Start it, then start the program again."));
        return false;
    }

    readSettings();
    m_prizes.load();
    m_options.markFromDelay();
    m_window.centreOnScreen(m_layout.outerSize());
    return true;
}

void Program::bindOpeningMode()
{
    Ui::MainWindow &ui = m_window.ui();
    const auto follow = [this, &ui] {
        m_state.opening = ui.Option1->isChecked() ? GameState::Opening::ClearList
            : ui.Option2->isChecked()             ? GameState::Opening::ResetList
                                                  : GameState::Opening::Neither;
    };
    connect(ui.Option1, &QRadioButton::toggled, this, follow);
    connect(ui.Option2, &QRadioButton::toggled, this, follow);
    follow();
}

void Program::readSettings()
{
    const QStringList values = ValueFile::read(m_store, QString::fromUtf16(ValueFile::kSettings), HostSettings::kCount);
    for (int i = 0; i < values.size(); ++i)
        m_settings.setItem(i, values[i]);
    // Checking a box runs its toggle, which turns "Yes" into "No"; the item is
    // set back to "Yes" after it, so box and item agree.
    const std::pair<int, HostSettings::Check> yesNo[] = {{HostSettings::SayPrizesYesNo, HostSettings::Check3},
                                                         {HostSettings::ConfirmationYesNo, HostSettings::Check1},
                                                         {HostSettings::SayWinnersYesNo, HostSettings::Check2}};
    for (const auto &[item, check] : yesNo) {
        if (m_settings.item(item) == u"Yes") {
            m_settings.setChecked(check, true);
            m_settings.setItem(item, QStringLiteral("Yes"));
        }
    }
    // With no file, or one that changes nothing, no change has yet made the
    // rounds announced follow the rounds set.
    m_settings.setItem(HostSettings::TotalRounds, m_settings.item(HostSettings::Rounds));
}

void Program::Draw_Unload()
{
    m_link.KillDDE();
    emit ended();
}
