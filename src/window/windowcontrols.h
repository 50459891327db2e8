#pragma once

#include "games/colourcaller.h"
#include "macros/macrobank.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

#include <array>

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTextEdit;
namespace Ui {
class MainWindow;
}

// The window's arrays of controls, each element at its index: the one place
// that says which member of mainwindow.ui is which element. They are sized
// by the state they show, and a list of another length does not compile, so
// the window and its state cannot disagree on a count.
struct WindowControls
{
    // One colour's controls.
    struct Colour
    {
        QCheckBox *inPlay;
        QLineEdit *holder;
        QAction *fromWinners; // the raffle winners' menu
        QAction *fromCalled;  // the Lister's called players' menu
    };

    explicit WindowControls(Ui::MainWindow &ui);

    // The box of each settings item; the yes/no items (SayPrizesYesNo to
    // SayWinnersYesNo) have check boxes instead, and no box here.
    std::array<QLineEdit *, HostSettings::kCount> settingBoxes;
    std::array<QLineEdit *, PrizeList::kCount> prizeBoxes;
    std::array<QTextEdit *, MacroBank::kCount> macroBoxes;
    std::array<QPushButton *, MacroBank::kCount> macroButtons;
    std::array<Colour, ColourCaller::ColourCount> colours;
};
