#pragma once

#include <QObject>

class RecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void writesTheExactFormat();
    void listsComeBackAsTheyWere_data();
    void listsComeBackAsTheyWere();
    void readsOddFiles_data();
    void readsOddFiles();
    void aMissingFileLeavesTheLists();
    void aSaveDuringARestoreWaitsForIt();
    void aFailedSaveLeavesTheLists();
};
