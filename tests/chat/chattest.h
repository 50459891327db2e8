#pragma once

#include <QObject>

// The link to the chat client, and how registrations are read out of its
// transcript and taken into the lists.
class ChatTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void retriesUntilAnOutcome_data();
    void retriesUntilAnOutcome();
    void trimsTheTranscript_data();
    void trimsTheTranscript();
    void pausesForTheDelaySetting_data();
    void pausesForTheDelaySetting();
    void pausesOnTheRealClockUntilTheLinkCloses();
    void takesInTheRightPlayers_data();
    void takesInTheRightPlayers();
    void agreesWithTheLiteralScanOnGeneratedTranscripts();
    void getHostLooksForTheBanner_data();
    void getHostLooksForTheBanner();
    void getRegTakesEachNewPlayerOnce_data();
    void getRegTakesEachNewPlayerOnce();
};
