#pragma once

#include <QObject>

// Whole games against the stand-in chat client, checked against the room's
// own call log.
class Evenings : public QObject
{
    Q_OBJECT

private slots:
    // evenings.cpp
    void registrationsSurviveARestart();
    void aWholeRaffle();
    void aListerEvening();
    // A whole evening's work, in a shortened form unless RAFFLER_SOAK is set.
    void everyListEndsAsTheScriptExpects();

    // journalevening.cpp: the evening's journal, restores and proofs.
    void everyEntryRestoresTheListsOfItsMoment();
    void anAccidentalClearListStartIsUndoneInThreeClicks();
    void aSealedEveningCanBeChecked();

    // faults.cpp: the chat client misbehaving. The program never hangs past
    // its bounds, never crashes, keeps its lists and its recovery file, and
    // takes input again as soon as the fault ends.
    void statusStorms_data();
    void statusStorms();
    void transcriptsThatDoNotCome_data();
    void transcriptsThatDoNotCome();
    void theRoomDiesInTheMiddleOfADrawAndComesBack();
};
