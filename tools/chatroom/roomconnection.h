#pragma once

#include "framedecoder.h"

#include <QObject>

class QLocalSocket;
class RoomService;

// One program connected to the room: reads its requests, answers each one
// and sends late transcripts when their time has come. A client that sends
// anything malformed is dropped, since the stream cannot be trusted after it.
class RoomConnection : public QObject
{
    Q_OBJECT

public:
    RoomConnection(QLocalSocket *socket, RoomService &service, QObject *parent = nullptr);

signals:
    // Once, when the program has gone or was dropped.
    void closed();

private:
    void readRequests();
    void send(const RoomProtocol::Message &message);
    void fail(const QString &reason);
    void finish();

    QLocalSocket *m_socket;
    RoomService &m_service;
    FrameDecoder m_decoder;
    bool m_finished = false;
};
