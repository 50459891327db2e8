#pragma once

#include <QObject>

// Names that look like markup, hold control characters or are very long:
// the lists show them as plain text, and Recover.bak keeps them whole or
// cuts them only where its code page must.
class HostileNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStartOfALongText_data();
    void showsTheStartOfALongText();
    void listRowsShowNamesAsTheyAre_data();
    void listRowsShowNamesAsTheyAre();
    void recoveryKeepsEveryNameOfTheCodePage_data();
    void recoveryKeepsEveryNameOfTheCodePage();
    void recoveryCutsWhatTheCodePageLacks_data();
    void recoveryCutsWhatTheCodePageLacks();
};
