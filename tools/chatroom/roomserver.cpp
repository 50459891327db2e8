#include "roomserver.h"

#include "roomconnection.h"

#include <QLocalServer>
#include <QLocalSocket>

RoomServer::RoomServer(RoomService &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_server(new QLocalServer(this))
{
    // Only the user's own programs may speak as the host.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &RoomServer::acceptConnections);
}

bool RoomServer::listen(const QString &name, QString *error)
{
    // Ask first: with access options set, Qt binds elsewhere and renames the
    // socket into place, which would silently take the name from a live room.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000)) {
        *error = QStringLiteral("a room already listens on %1").arg(name);
        return false;
    }
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        if (m_server->listen(name))
            return true;
    }
    *error = QStringLiteral("cannot listen on %1: %2").arg(name, m_server->errorString());
    return false;
}

QString RoomServer::socketPath() const
{
    return m_server->fullServerName();
}

void RoomServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        auto *connection = new RoomConnection(socket, m_service, this);
        ++m_connections;
        emit connectionCountChanged(m_connections);
        connect(connection, &RoomConnection::closed, this, [this, connection] {
            --m_connections;
            emit connectionCountChanged(m_connections);
            connection->deleteLater();
        });
    }
}
