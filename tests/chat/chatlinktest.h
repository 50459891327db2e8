#pragma once

#include <QObject>

class ChatLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void retriesUntilAnOutcome_data();
    void retriesUntilAnOutcome();
    void givesUpAfterTheTimeBound();
    void trimsTheTranscript_data();
    void trimsTheTranscript();
    void speaksTheClientsCodePage();
    void saysNumbersAsDecimalText();
    void pausesOnVirtualTime_data();
    void pausesOnVirtualTime();
    void pacingPauseReadsTheDelaySetting_data();
    void pacingPauseReadsTheDelaySetting();
    void pauseKeepsTheEventLoopRunning();
    void waitsForALateTranscriptWithinItsBound_data();
    void waitsForALateTranscriptWithinItsBound();
    void closingTheLinkEndsPausesAndCalls();
};
