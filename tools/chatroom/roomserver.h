#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class RoomService;

// Listens on the room's local socket and keeps one connection per program.
class RoomServer : public QObject
{
    Q_OBJECT

public:
    explicit RoomServer(RoomService &service, QObject *parent = nullptr);

    // Takes over a socket name left behind by a room that died, but refuses
    // one that a live room still listens on.
    bool listen(const QString &name, QString *error);
    QString socketPath() const;
    int connectionCount() const { return m_connections; }

signals:
    void connectionCountChanged(int count);

private:
    void acceptConnections();

    RoomService &m_service;
    QLocalServer *m_server;
    int m_connections = 0;
};
