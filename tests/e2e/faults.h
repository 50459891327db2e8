#pragma once

#include <QObject>

// The chat client misbehaving: the program never hangs past its bounds,
// never crashes, keeps its lists and its recovery file, and takes input
// again as soon as the fault ends.
class Faults : public QObject
{
    Q_OBJECT

private slots:
    void statusStorms_data();
    void statusStorms();
    void transcriptsThatDoNotCome_data();
    void transcriptsThatDoNotCome();
    void theRoomDiesInTheMiddleOfADrawAndComesBack();
};
