#pragma once

#include <QObject>

// The room's window, driven through its named controls.
class RoomWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void speaksAsAnyAvatar_data();
    void speaksAsAnyAvatar();
    void injectsStatusesAndFollowsTheRoom();
};
