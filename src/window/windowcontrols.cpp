#include "window/windowcontrols.h"

#include "ui_mainwindow.h"

WindowControls::WindowControls(Ui::MainWindow &ui)
    : settingBoxes(std::to_array<QLineEdit *>(
        {ui.txtSettings_0,  ui.txtSettings_1,  ui.txtSettings_2,  ui.txtSettings_3,  ui.txtSettings_4,
         ui.txtSettings_5,  ui.txtSettings_6,  ui.txtSettings_7,  ui.txtSettings_8,  ui.txtSettings_9,
         ui.txtSettings_10, ui.txtSettings_11, ui.txtSettings_12, ui.txtSettings_13, nullptr,
         nullptr,           nullptr,           ui.txtSettings_17, ui.txtSettings_18, ui.txtSettings_19}))
    , prizeBoxes(
          std::to_array<QLineEdit *>({ui.txtPrizes_0, ui.txtPrizes_1, ui.txtPrizes_2, ui.txtPrizes_3, ui.txtPrizes_4,
                                      ui.txtPrizes_5, ui.txtPrizes_6, ui.txtPrizes_7, ui.txtPrizes_8, ui.txtPrizes_9}))
    , macroBoxes(std::to_array<QTextEdit *>(
          {ui.txtText_0,  ui.txtText_1,  ui.txtText_2,  ui.txtText_3,  ui.txtText_4,  ui.txtText_5,  ui.txtText_6,
           ui.txtText_7,  ui.txtText_8,  ui.txtText_9,  ui.txtText_10, ui.txtText_11, ui.txtText_12, ui.txtText_13,
           ui.txtText_14, ui.txtText_15, ui.txtText_16, ui.txtText_17, ui.txtText_18, ui.txtText_19}))
    , macroButtons(std::to_array<QPushButton *>(
          {ui.cmdCommunicate_0,  ui.cmdCommunicate_1,  ui.cmdCommunicate_2,  ui.cmdCommunicate_3,
           ui.cmdCommunicate_4,  ui.cmdCommunicate_5,  ui.cmdCommunicate_6,  ui.cmdCommunicate_7,
           ui.cmdCommunicate_8,  ui.cmdCommunicate_9,  ui.cmdCommunicate_10, ui.cmdCommunicate_11,
           ui.cmdCommunicate_12, ui.cmdCommunicate_13, ui.cmdCommunicate_14, ui.cmdCommunicate_15,
           ui.cmdCommunicate_16, ui.cmdCommunicate_17, ui.cmdCommunicate_18, ui.cmdCommunicate_19}))
    , colours(std::to_array<Colour>({{ui.Check4, ui.txtcolor_0, ui.mnuRed, ui.mnuRed1},
                                     {ui.Check5, ui.txtcolor_1, ui.mnuBlue, ui.mnuBlue1},
                                     {ui.Check6, ui.txtcolor_2, ui.mnuGreen, ui.mnuGreen1},
                                     {ui.Check7, ui.txtcolor_3, ui.mnuSilver, ui.mnuSilver1},
                                     {ui.Check8, ui.txtcolor_4, ui.mnuBlack, ui.mnuBlack1},
                                     {ui.Check9, ui.txtcolor_5, ui.mnuGold, ui.mnuGold1}}))
{
    static_assert(HostSettings::SayPrizesYesNo == 14 && HostSettings::SayWinnersYesNo == 16,
                  "the items without a box are the three yes/no items");
}
