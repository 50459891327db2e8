#pragma once

#include <QObject>

// What the window shows of very long texts, and where Recover.bak must cut
// a name: at characters its code page lacks. (Names as players send them
// go through the whole program in the window's tests.)
class HostileNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStartOfALongText_data();
    void showsTheStartOfALongText();
    void recoveryCutsWhatTheCodePageLacks_data();
    void recoveryCutsWhatTheCodePageLacks();
};
