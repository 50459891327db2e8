#pragma once

#include <QObject>

// Saying a macro into the room, and the macro files.
class MacroTest : public QObject
{
    Q_OBJECT

private slots:
    void aMacroIsSaidLineByLine_data();
    void aMacroIsSaidLineByLine();
    void aSavedBankIsTwentyRecordsAndLoadsBackWhole();
    void aFailedOrCancelledLoadOrSaveChangesNothing_data();
    void aFailedOrCancelledLoadOrSaveChangesNothing();
};
