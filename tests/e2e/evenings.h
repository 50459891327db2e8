#pragma once

#include <QObject>

// Whole games against the stand-in chat client, checked against the room's
// own call log.
class Evenings : public QObject
{
    Q_OBJECT

private slots:
    void registrationsSurviveARestart();
    void aWholeRaffle();
    void aListerEvening();
};
