#pragma once

#include <QObject>

struct GameSession;
class HostSettings;
class PrizeList;
class WindowLayout;
struct WindowControls;
namespace Ui {
class MainWindow;
}

// The three settings panels and their buttons: every box shows its item and
// writes the host's edits back at once; the prize boxes page with VScroll1.
class SettingsPanel : public QObject
{
    Q_OBJECT

public:
    SettingsPanel(Ui::MainWindow &ui, const WindowControls &controls, GameSession &session, WindowLayout &layout,
                  QObject *parent = nullptr);

    void Command17_Click(); // "Ok"
    void Command18_Click(); // "Clear"
    void Command2_Click();  // "Restore Defults"

private:
    void bindItems();
    void bindChecks();
    void bindPrizes();
    void showPrizePage(int page);

    Ui::MainWindow &m_ui;
    const WindowControls &m_controls;
    HostSettings &m_settings;
    PrizeList &m_prizes;
    GameSession &m_session;
    WindowLayout &m_layout;
};
