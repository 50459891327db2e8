#pragma once

#include <QObject>

class ChatLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void retriesUntilAnOutcome_data();
    void retriesUntilAnOutcome();
    void trimsTheTranscript_data();
    void trimsTheTranscript();
    void speaksTheClientsCodePage();
    void pausesForTheDelaySetting_data();
    void pausesForTheDelaySetting();
    void pausesOnTheRealClockUntilTheLinkCloses();
};
