#pragma once

#include <QObject>

class MacroFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void savingWritesTwentyQuotedRecords_data();
    void savingWritesTwentyQuotedRecords();
    void aSavedBankLoadsBackWhole_data();
    void aSavedBankLoadsBackWhole();
    void loadingReadsWhatTheFileHolds_data();
    void loadingReadsWhatTheFileHolds();
    void bothDialogsAskAsTheHostExpects();
    void cancellingChangesNothing();
    void aFileThatCannotBeReadChangesNoMacro_data();
    void aFileThatCannotBeReadChangesNoMacro();
    void aFailedSaveKeepsTheEarlierFile();
    void theSecondPairWritesPlainLines();
};
