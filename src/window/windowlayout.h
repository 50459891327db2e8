#pragma once

#include <QObject>
#include <QSize>

#include <array>

// Which panels of the main window are shown, how large the window is and
// which game's panels the menu marks as active. The window only mirrors
// this state; the handlers change it.
class WindowLayout : public QObject
{
    Q_OBJECT

public:
    // Panels that share a place in the window.
    enum Panel {
        RafflePlayers,  // Frame2 "Raffler (Players)"
        ListerPlayers,  // Frame3 "Lister (Players)"
        Colours,        // Frame22 "Color Caller"
        RaffleButtons,  // Frame4, the raffle's buttons
        ListerButtons,  // Frame5, the Lister's buttons
        MainSettings,   // Frame9 "Main Settings"
        RaffleSettings, // Frame6 "Raffler Settings"
        ListerSettings, // Frame10 "Lister Settings"
        PanelCount
    };

    // Outer window sizes in twips (1/1440 inch).
    static constexpr int kCompactWidth = 3855;
    static constexpr int kSettingsWidth = 7980;
    static constexpr int kNormalHeight = 5475;
    static constexpr int kMacroEditingHeight = 7935;
    static constexpr int kDesignWidth = 9240 + 120;
    static constexpr int kDesignHeight = 7275 + 780;

    explicit WindowLayout(QObject *parent = nullptr);

    bool isVisible(Panel panel) const { return m_visible[panel]; }
    void setVisible(Panel panel, bool visible);
    QSize outerSize() const { return m_outer; }
    void setOuterWidth(int twips);
    void setOuterHeight(int twips);

    bool isRafflerChecked() const { return m_raffler; }
    bool isListerChecked() const { return m_lister; }

    // Settings size with one settings panel shown and the other two hidden.
    void showSettingsPanel(Panel panel);
    // The Settings menu's "Raffler" and "Lister": panels and menu marks.
    void rafflerMode();
    void listerMode();
    // The start-up state: mnuLister unchecked, mnuRaffler as it was.
    void uncheckLister();

    // "Colors Caller" shows the colour panel over the players panels; its
    // "Ok" brings back the players panel of the checked mode.
    void showColourCaller();
    void closeColourCaller();

signals:
    void visibilityChanged(WindowLayout::Panel panel, bool visible);
    void outerSizeChanged(QSize twips);
    void modeChanged();

private:
    void setMarks(bool raffler, bool lister);

    std::array<bool, PanelCount> m_visible{};
    QSize m_outer{kDesignWidth, kDesignHeight};
    bool m_raffler = true;
    bool m_lister = true;
};
