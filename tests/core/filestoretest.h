#pragma once

#include <QObject>

class FileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void writesIntoTheProgramDirectory();
    void fallsBackWhenTheProgramDirectoryCannotBeWritten();
    void aFailedWriteKeepsTheOldFileAndSaysSo();
    void readsOnlyTheStartOfAHugeFile();
};
