#pragma once

#include <QObject>

class MacroBank;
class MacroFiles;
class MacroSender;
class WindowLayout;
struct WindowControls;
namespace Ui {
class MainWindow;
}

// The macro buttons and the macro editor: each box shows its text and
// writes the host's typing back, the scroll bar pages through the boxes,
// and the buttons say their macro or, with the right button, offer the
// Macros menu.
class MacroPanel : public QObject
{
    Q_OBJECT

public:
    MacroPanel(Ui::MainWindow &ui, const WindowControls &controls, MacroBank &bank, MacroSender &sender,
               MacroFiles &files, WindowLayout &layout, QObject *parent = nullptr);

    // Start-up: every box centred and hidden, then page 0 shown.
    void startUp();

    void Command6_Click();  // "Ok"
    void Command26_Click(); // "Clear"
    void Command27_Click(); // "Save"
    void Command28_Click(); // "Load"
    void mnuEdit_Click();
    void mnuLoad_Click();
    void mnuSave_Click();

    // The tooltip shown for a macro text: its lines exactly as typed, never
    // read as markup.
    static QString toolTipFor(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindBoxes();
    void bindButtons();
    void showText(int index, const QString &text);
    void showPage(int page);
    void showToolTips();

    Ui::MainWindow &m_ui;
    const WindowControls &m_controls;
    MacroBank &m_bank;
    MacroSender &m_sender;
    MacroFiles &m_files;
    WindowLayout &m_layout;
    bool m_showing = false; // a box is being filled from the bank, not typed into
};
