#include "roomconnection.h"

#include "roomservice.h"

#include <QLocalSocket>
#include <QTimer>

#include <cstdio>

RoomConnection::RoomConnection(QLocalSocket *socket, RoomService &service, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_service(service)
{
    m_socket->setParent(this);
    connect(m_socket, &QLocalSocket::readyRead, this, &RoomConnection::readRequests);
    connect(m_socket, &QLocalSocket::disconnected, this, &RoomConnection::finish);
}

void RoomConnection::readRequests()
{
    m_decoder.feed(m_socket->readAll());
    while (auto request = m_decoder.next()) {
        const auto reply = m_service.answer(*request);
        if (!reply) {
            fail(QStringLiteral("a client sent a message that is no request"));
            return;
        }
        RoomProtocol::Message answer;
        answer.kind = RoomProtocol::Kind::Answer;
        answer.id = request->id;
        answer.status = reply->status;
        if (reply->text) {
            answer.flags = RoomProtocol::HasText;
            answer.text = *reply->text;
        }
        send(answer);
        if (reply->lateText) {
            RoomProtocol::Message late;
            late.kind = RoomProtocol::Kind::LateText;
            late.id = request->id;
            late.text = *reply->lateText;
            // Tied to this connection: a client that left gets nothing.
            QTimer::singleShot(reply->lateMs, this, [this, late] { send(late); });
        }
    }
    if (m_decoder.isBroken())
        fail(m_decoder.error());
}

void RoomConnection::send(const RoomProtocol::Message &message)
{
    if (m_socket->state() != QLocalSocket::ConnectedState)
        return;
    const auto frame = RoomProtocol::encode(message);
    if (frame)
        m_socket->write(*frame);
}

void RoomConnection::fail(const QString &reason)
{
    std::fprintf(stderr, "chatroom: dropped a client: %s\n", qPrintable(reason));
    std::fflush(stderr);
    m_socket->abort();
    finish();
}

void RoomConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    emit closed();
}
