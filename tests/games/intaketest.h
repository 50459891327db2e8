#pragma once

#include <QObject>

// How players are taken in from the transcript and how the host is found,
// and the pause between the games' lines.
class IntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void pausesForTheDelaySetting_data();
    void pausesForTheDelaySetting();
    void takesInTheRightPlayers_data();
    void takesInTheRightPlayers();
    void agreesWithTheLiteralScanOnGeneratedTranscripts();
    void getHostLooksForTheBanner_data();
    void getHostLooksForTheBanner();
    void getRegTakesEachNewPlayerOnce_data();
    void getRegTakesEachNewPlayerOnce();
};
