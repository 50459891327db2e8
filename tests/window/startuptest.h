#pragma once

#include <QObject>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUpTakesTheFilesOfThePreviousRun_data();
    void startUpTakesTheFilesOfThePreviousRun();
    void startUpLeavesTheWindowReady();
    void startUpStopsWithoutTheChatClient();
    void aRestartBringsBackEverySettingAndPrize();
    void clearedSettingsStayClearedAcrossARestart();
    void everyWayOutClosesTheChatLinkOnce_data();
    void everyWayOutClosesTheChatLinkOnce();
    void delayMenuScrollBarAndStayOnTop();
    void anUnwritableFolderKeepsEveryValue();
};
