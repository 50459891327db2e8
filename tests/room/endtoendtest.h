#pragma once

#include <QObject>

// The real program against a headless chatroom.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAndClosesTheLinkOnTermination();
    void doesNotStartWithoutARoom();
};
