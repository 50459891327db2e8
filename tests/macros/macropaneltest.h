#pragma once

#include <QObject>

class MacroPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUpShowsThePageOfMacroOne();
    void theScrollBarPagesThroughTheBoxes_data();
    void theScrollBarPagesThroughTheBoxes();
    void typingReachesTheMacroWithItsLineBreaks();
    void clearEmptiesThePageButNotTheTooltip();
    void tooltipsShowTheTextAsTyped_data();
    void tooltipsShowTheTextAsTyped();
    void editAndOkSizeTheWindow();
    void aButtonSaysItsMacro();
    void theRightButtonOffersTheMenuAndSaysNothing();
    void saveAndLoadFromButtonsAndMenu_data();
    void saveAndLoadFromButtonsAndMenu();
    void loadingShowsTheTextAtOnceButNotInTheTooltip();
};
