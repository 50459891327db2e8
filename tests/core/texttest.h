#pragma once

#include <QObject>

// The small text rules every file and window path leans on: the chat
// client's code page, numbers typed into the window, the quoted-line files
// and how long texts are shown.
class TextTest : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesTheCodePage();
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void readsAndWritesQuotedLines_data();
    void readsAndWritesQuotedLines();
    void showsTheStartOfALongText_data();
    void showsTheStartOfALongText();
};
