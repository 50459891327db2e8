#include "window/program.h"

#include "macros/macrofiles.h"
#include "macros/macrosender.h"
#include "ui_mainwindow.h"
#include "window/colourpanel.h"
#include "window/controlguide.h"
#include "window/filemenu.h"
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
#include "window/windowcontrols.h"

#include <QDir>

Program::Program(Clock &clock, const Places &places, Prompts *prompts, QObject *parent)
    : QObject(parent)
    , m_store(places.programDirectory, places.fallbackDirectory)
    , m_session(clock, m_store)
    , m_options(m_session.settings)
    , m_window(m_layout)
    , m_ownPrompts(prompts ? nullptr : std::make_unique<WidgetPrompts>(&m_window))
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
{
    GameSession &s = m_session;
    m_macroSender = std::make_unique<MacroSender>(m_macros, s.link, s.tokenizer, s.input, s.recovery, s.journal);
    // The macro dialogs open where the program keeps its files: the per-user
    // folder when the program's own cannot be written (an installed program).
    m_macroFiles = std::make_unique<MacroFiles>(m_macros, *m_prompts, m_store.directory());

    Ui::MainWindow &ui = m_window.ui();
    const WindowControls &controls = m_window.controls();
    m_switcher = std::make_unique<PanelSwitcher>(ui, m_layout);
    m_settingsPanel = std::make_unique<SettingsPanel>(ui, controls, s, m_layout);
    m_optionsMenu = std::make_unique<OptionsMenu>(m_window, m_options);
    m_rafflerPanel = std::make_unique<RafflerPanel>(ui, s, m_layout);
    bindOpeningMode();
    m_listerPanel = std::make_unique<ListerPanel>(ui, s, m_layout);
    m_listMenus = std::make_unique<ListMenus>(ui, s);
    m_colourPanel = std::make_unique<ColourPanel>(ui, controls, s.colours, s.lists, m_layout);
    new ListBinding(ui.lstAvatars, s.lists.players);
    new ListBinding(ui.List1, s.lists.winners);
    new ListBinding(ui.List3, s.lists.queue);
    new ListBinding(ui.List4, s.lists.called);
    m_macroPanel = std::make_unique<MacroPanel>(ui, controls, m_macros, *m_macroSender, *m_macroFiles, m_layout);
    m_fileMenu = std::make_unique<FileMenu>(m_window, s, *m_prompts,
                                            QDir(m_store.directory()).filePath(JournalWriter::kFolder));
    m_helpMenu = std::make_unique<HelpMenu>(m_window, s.input, *m_prompts);
    // The whole window, menus included, takes no input while an operation speaks.
    connect(&s.input, &WindowInput::enabledChanged, &m_window, &MainWindow::setEnabled);

    connect(ui.cmdExit, &QPushButton::clicked, &m_window, &MainWindow::close);
    connect(ui.Command10, &QPushButton::clicked, &m_window, &MainWindow::close);
    connect(ui.mnuExit, &QAction::triggered, &m_window, &MainWindow::close);
    connect(&m_window, &MainWindow::unloading, this, &Program::Draw_Unload);

    // Where the files are, a file that was not saved, a journal that cannot
    // be written: said in the menu bar's corner, and the game goes on.
    const auto showNotices = [this] {
        QStringList notices{m_store.notice(), m_session.journal.problem()};
        notices.removeAll(QString());
        m_window.showNotice(notices.join(u'\n'));
    };
    connect(&m_store, &FileStore::noticeChanged, this, showNotices);
    connect(&m_session.journal, &JournalWriter::problemChanged, this, showNotices);
    showNotices();
    // Last, so that names which follow a page are set after the page is shown.
    guideControls(ui, controls);
}

Program::~Program() = default;

bool Program::Draw_Load()
{
    Ui::MainWindow &ui = m_window.ui();
    m_macroPanel->startUp();
    m_layout.setVisible(WindowLayout::Colours, false);
    m_layout.setVisible(WindowLayout::ListerButtons, false);
    m_layout.setVisible(WindowLayout::ListerPlayers, false);
    m_layout.setOuterHeight(WindowLayout::kNormalHeight);
    m_layout.setOuterWidth(WindowLayout::kCompactWidth);
    ui.Option1->setChecked(true);
    m_layout.uncheckLister();
    m_options.setStayOnTop(true);

    if (m_session.link.InitDDE() != 0) {
        m_prompts->showError(m_session.link.applicationName(),
                             tr("Error 10001: Failed to initialize DDE layer\n\n"
                                "The chat client could not be reached. Start it, then start the program again."));
        return false;
    }

    m_session.journal.open();
    m_session.settings.load(m_store);
    m_session.prizes.load();
    m_options.markFromDelay();
    m_window.centreOnScreen(m_layout.outerSize());
    return true;
}

void Program::bindOpeningMode()
{
    Ui::MainWindow &ui = m_window.ui();
    const auto follow = [this, &ui] {
        m_session.state.opening = ui.Option1->isChecked() ? GameState::Opening::ClearList
            : ui.Option2->isChecked()                     ? GameState::Opening::ResetList
                                                          : GameState::Opening::Neither;
    };
    connect(ui.Option1, &QRadioButton::toggled, this, follow);
    connect(ui.Option2, &QRadioButton::toggled, this, follow);
    follow();
}

void Program::Draw_Unload()
{
    m_session.link.KillDDE();
    emit ended();
}
