#pragma once

#include <QObject>

class ListerTest : public QObject
{
    Q_OBJECT

private slots:
    void startOpensAGameInEachMode_data();
    void startOpensAGameInEachMode();
    void warnsAndCallsTheHead_data();
    void warnsAndCallsTheHead();
    void saysTheQueue_data();
    void saysTheQueue();
    void theQueueKeepsArrivalOrder();
    void buttonsAgreeWithTheRaffles();
};
