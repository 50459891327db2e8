#pragma once

#include <QObject>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpTakesTheFilesOfThePreviousRun_data();
    void startUpTakesTheFilesOfThePreviousRun();
    void startUpStopsWithoutTheChatClient();
    void startUpLeavesTheWindowReadyAndTheMenusFollowTheHost();
    void everyWayOutClosesTheChatLinkOnce_data();
    void everyWayOutClosesTheChatLinkOnce();
    void anUnwritableFolderIsToldAsItStands();
};
