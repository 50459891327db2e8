#pragma once

#include <QObject>

class PlayerListTest : public QObject
{
    Q_OBJECT

private slots:
    void addsAtTheRightPlace_data();
    void addsAtTheRightPlace();
    void selectionStaysOnItsEntry();
    void comparesNames();
};
