#pragma once

#include <QObject>

// The journal file: written, read back after a crash, checked, and replayed
// to any entry.
class JournalFileTest : public QObject
{
    Q_OBJECT

private slots:
    void namesTheFileByItsStart();
    void aFailedAppendSpoilsNothing_data();
    void aFailedAppendSpoilsNothing();
    void fallsBackToThePerUserFolder();
    void restoresTheListsOfAnyEntry();
};
