#pragma once

#include "core/filestore.h"
#include "games/gamesession.h"
#include "macros/macrobank.h"
#include "window/mainwindow.h"
#include "window/windowlayout.h"
#include "window/windowoptions.h"

#include <QObject>

#include <memory>

class Clock;
class ColourPanel;
class FileMenu;
class HelpMenu;
class ListMenus;
class ListerPanel;
class MacroFiles;
class MacroPanel;
class MacroSender;
class OptionsMenu;
class PanelSwitcher;
class Prompts;
class RafflerPanel;
class SettingsPanel;

// The whole program: the files, the games and the macros, the main window
// and the panels that bind them. Draw_Load() is the start-up sequence;
// closing the window is the shutdown.
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

    FileStore &store() { return m_store; }
    GameSession &session() { return m_session; }
    MacroBank &macros() { return m_macros; }
    MainWindow &window() { return m_window; }
    WindowLayout &layout() { return m_layout; }
    WindowOptions &options() { return m_options; }
    FileMenu &fileMenu() { return *m_fileMenu; }
    HelpMenu &helpMenu() { return *m_helpMenu; }
    Prompts &prompts() { return *m_prompts; }

signals:
    // The window has been unloaded and the chat link closed: time to end.
    void ended();

private:
    void Draw_Unload();
    void bindOpeningMode();

    FileStore m_store;
    GameSession m_session;
    MacroBank m_macros;
    WindowLayout m_layout;
    WindowOptions m_options;
    MainWindow m_window;
    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts *m_prompts;
    std::unique_ptr<MacroSender> m_macroSender;
    std::unique_ptr<MacroFiles> m_macroFiles;
    std::unique_ptr<PanelSwitcher> m_switcher;
    std::unique_ptr<SettingsPanel> m_settingsPanel;
    std::unique_ptr<OptionsMenu> m_optionsMenu;
    std::unique_ptr<RafflerPanel> m_rafflerPanel;
    std::unique_ptr<ListerPanel> m_listerPanel;
    std::unique_ptr<ListMenus> m_listMenus;
    std::unique_ptr<ColourPanel> m_colourPanel;
    std::unique_ptr<MacroPanel> m_macroPanel;
    std::unique_ptr<FileMenu> m_fileMenu;
    std::unique_ptr<HelpMenu> m_helpMenu;
};
