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
};

// Macro files: the bytes written, what a load takes, and dialogs or files
// that fail or are cancelled without changing anything.
class MacroFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void aSavedBankIsTwentyRecordsAndLoadsBackWhole();
    void aFailedOrCancelledLoadOrSaveChangesNothing_data();
    void aFailedOrCancelledLoadOrSaveChangesNothing();
};

// The window's own file dialogs and message boxes.
class WidgetPromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void dialogsAskAsRequestedOverADisabledWindow();
};
