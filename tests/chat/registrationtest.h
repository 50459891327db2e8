#pragma once

#include <QObject>

// How registrations are read out of the transcript and taken into the lists.
class RegistrationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void countsAndCutsLines_data();
    void countsAndCutsLines();
    void tokenizerWalksOneTextAtATime();
    void takesInTheRightPlayers_data();
    void takesInTheRightPlayers();
    void agreesWithTheLiteralScanOnGeneratedTranscripts();
    void entersEachNewPlayerIntoEveryList_data();
    void entersEachNewPlayerIntoEveryList();
    void findsTheHost_data();
    void findsTheHost();
    void getHostLooksForTheBanner_data();
    void getHostLooksForTheBanner();
    void getRegWaitsBoundedWithTheWindowDisabled_data();
    void getRegWaitsBoundedWithTheWindowDisabled();
};
