#pragma once

#include <QObject>

// The macro buttons and the editor: saying a macro, typing, paging, tooltips.
class MacroPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void aButtonSaysTheLinesOfItsMacro_data();
    void aButtonSaysTheLinesOfItsMacro();
    void theRightButtonOffersTheMenuAndSaysNothing();
    void eachPageEditsItsOwnMacro();
    void clearEmptiesThePageAndOkShowsTheTooltipsAsTyped();
    void editAndOkSizeTheWindow();
};

// Macro files: the bytes written, what a load takes, and dialogs or files
// that fail or are cancelled without changing anything.
class MacroFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void aSavedBankIsTwentyRecordsAndLoadsBackWhole();
    void aShortFileChangesOnlyTheMacrosItHolds();
    void theDialogsAskForMacroFilesAndCancellingChangesNothing();
    void aFailedLoadOrSaveChangesNothing_data();
    void aFailedLoadOrSaveChangesNothing();
};

// The window's own file dialogs and message boxes.
class WidgetPromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void theSaveDialogAsksAsRequestedAndBeforeOverwriting();
    void dialogsOverADisabledWindowTakeInput();
};
