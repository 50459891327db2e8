#pragma once

#include "chat/chatlink.h"
#include "chat/registrationintake.h"
#include "chat/tokenizer.h"
#include "core/filestore.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/gamestate.h"
#include "games/lister.h"
#include "games/raffle.h"
#include "games/winnerpicker.h"
#include "macros/macrobank.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"
#include "window/mainwindow.h"
#include "window/windowlayout.h"
#include "window/windowoptions.h"

#include <QObject>

#include <memory>

class Clock;
class ColourPanel;
class ListerPanel;
class ListMenus;
class HelpMenu;
class MacroFiles;
class MacroPanel;
class MacroSender;
class OptionsMenu;
class PanelSwitcher;
class Prompts;
class RafflerPanel;
class SettingsPanel;

// The whole program: its state, the chat link, the main window and the
// panels that bind them. Draw_Load() is the start-up sequence; closing the
// window is the shutdown.
class Program : public QObject
{
    Q_OBJECT

public:
    struct Places
    {
        QString programDirectory = FileStore::defaultProgramDirectory();
        QString fallbackDirectory = FileStore::defaultFallbackDirectory();
    };

    // prompts: who answers the program's questions; nullptr for the window's own dialogs.
    Program(Clock &clock, const Places &places, Prompts *prompts = nullptr, QObject *parent = nullptr);
    ~Program() override;

    // The start-up sequence up to the moment the window may be shown. False
    // when the chat client could not be reached; the host has been told and
    // the window must not be shown.
    bool Draw_Load();

    MainWindow &window() { return m_window; }
    ChatLink &link() { return m_link; }
    FileStore &store() { return m_store; }
    HostSettings &settings() { return m_settings; }
    PrizeList &prizes() { return m_prizes; }
    WindowLayout &layout() { return m_layout; }
    WindowOptions &options() { return m_options; }
    Prompts &prompts() { return *m_prompts; }
    PlayerLists &lists() { return m_lists; }
    Recovery &recovery() { return m_recovery; }
    Tokenizer &tokenizer() { return m_tokenizer; }
    WindowInput &input() { return m_input; }
    RegistrationIntake &intake() { return m_intake; }
    GameState &state() { return m_state; }
    ColourCaller &colours() { return m_colours; }
    Raffle &raffle() { return m_raffle; }
    Lister &lister() { return m_lister; }
    MacroBank &macros() { return m_macros; }
    MacroSender &macroSender() { return *m_macroSender; }
    MacroFiles &macroFiles() { return *m_macroFiles; }
    HelpMenu &helpMenu() { return *m_helpMenu; }

signals:
    // The window has been unloaded and the chat link closed: time to end.
    void ended();

private:
    void Draw_Unload();
    void readSettings();
    void bindOpeningMode();

    FileStore m_store;
    ChatLink m_link;
    Tokenizer m_tokenizer;
    WindowInput m_input;
    HostSettings m_settings;
    PrizeList m_prizes;
    PlayerLists m_lists;
    Recovery m_recovery;
    RegistrationIntake m_intake;
    GameState m_state;
    ColourCaller m_colours;
    Announcements m_announcements;
    WinnerPicker m_picker;
    Raffle m_raffle;
    Lister m_lister;
    WindowLayout m_layout;
    WindowOptions m_options;
    MainWindow m_window;
    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts *m_prompts;
    std::unique_ptr<PanelSwitcher> m_switcher;
    std::unique_ptr<SettingsPanel> m_settingsPanel;
    std::unique_ptr<OptionsMenu> m_optionsMenu;
    std::unique_ptr<RafflerPanel> m_rafflerPanel;
    std::unique_ptr<ListerPanel> m_listerPanel;
    std::unique_ptr<ListMenus> m_listMenus;
    std::unique_ptr<ColourPanel> m_colourPanel;
    MacroBank m_macros;
    std::unique_ptr<MacroSender> m_macroSender;
    std::unique_ptr<MacroFiles> m_macroFiles;
    std::unique_ptr<MacroPanel> m_macroPanel;
    std::unique_ptr<HelpMenu> m_helpMenu;
};
