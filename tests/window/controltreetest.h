#pragma once

#include <QObject>

class ControlTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void arraysAreComplete_data();
    void arraysAreComplete();
    void menusHoldTheirItems_data();
    void menusHoldTheirItems();
    void popUpMenusStayOffTheBar();
    void designStates();
};
