#pragma once

#include <QObject>

// The player lists and the program's own files, Recover.bak above all.
class StorageTest : public QObject
{
    Q_OBJECT

private slots:
    void writesWholeFilesOrFallsBack();
    void aFolderThatCannotBeWrittenIsStillRead();
    void writesTheExactFormatAndReadsItBack();
    void readsOddFiles_data();
    void readsOddFiles();
    void aSaveDuringARestoreWaitsForIt();
    void addsAtTheRightPlace_data();
    void addsAtTheRightPlace();
    void selectionStaysOnItsEntry();
};
