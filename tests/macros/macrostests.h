#pragma once

#include <QObject>

// The macro buttons and the editor, macro files, and the window's own file
// dialogs and message boxes.
class MacroTest : public QObject
{
    Q_OBJECT

private slots:
    void aButtonSaysTheLinesOfItsMacro_data();
    void aButtonSaysTheLinesOfItsMacro();
    void eachPageEditsItsOwnMacro();
    void aSavedBankIsTwentyRecordsAndLoadsBackWhole();
    void aFailedOrCancelledLoadOrSaveChangesNothing_data();
    void aFailedOrCancelledLoadOrSaveChangesNothing();
    void dialogsAskAsRequestedOverADisabledWindow();
};
