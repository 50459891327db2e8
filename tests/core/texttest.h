#pragma once

#include <QObject>

// The small text rules every file and window path leans on: the chat
// client's code page, numbers typed into the window, and the quoted-line
// files.
class TextTest : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesTheCodePage();
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void readsAndWritesQuotedLines_data();
    void readsAndWritesQuotedLines();
};
