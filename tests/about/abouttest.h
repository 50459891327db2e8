#pragma once

#include <QObject>

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void theBoxNamesTheProgramAndItsVersion();
    void theMainWindowWaitsUntilTheBoxCloses_data();
    void theMainWindowWaitsUntilTheBoxCloses();
    void systemInfoWithoutAToolSaysSo();
    void systemInfoStartsTheFirstToolFound_data();
    void systemInfoStartsTheFirstToolFound();
    void systemInfoReallyStartsTheTool();
    void theUnavailableMessageCanBeAnsweredOverTheWaitingWindow();
};
