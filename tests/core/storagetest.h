#pragma once

#include <QObject>

// The program's own files, and Recover.bak above all.
class StorageTest : public QObject
{
    Q_OBJECT

private slots:
    void writesWholeFilesIntoTheProgramDirectory();
    void fallsBackWhenTheProgramDirectoryCannotBeWritten();
    void writesTheExactFormatAndReadsItBack();
    void readsOddFiles_data();
    void readsOddFiles();
    void aMissingOrUnreadableFileLeavesTheLists();
    void aSaveDuringARestoreWaitsForIt();
};
