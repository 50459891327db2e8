#pragma once

#include "chat/wadapi.h"
#include "framedecoder.h"
#include "roomprotocol.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class QLocalSocket;

// The library's end of the local socket to a running chatroom. Every request
// waits for its answer within a bound, so a room that is gone or stuck makes
// a call fail with "-1" instead of hanging the program.
class RoomClient : public QObject
{
    Q_OBJECT

public:
    struct Callbacks
    {
        WadapiStatusCallback status = nullptr;
        WadapiMessageCallback message = nullptr;
        WadapiTextCallback text = nullptr;
    };

    // How long a room has to answer the hello, connecting included.
    static constexpr int kHelloMs = 2000;
    // A call fails when the room stays silent this long...
    static constexpr int kIdleMs = 2500;
    // ...or when the whole answer takes longer than this (a huge transcript).
    static constexpr int kTotalMs = 20000;
    // A new connection either succeeds or fails at once on a local socket.
    static constexpr int kConnectMs = 500;

    RoomClient(const QString &socketName, const QByteArray &appName, const Callbacks &callbacks,
               QObject *parent = nullptr);
    ~RoomClient() override;

    // Connects and greets the room; true when it answered "0".
    bool hello();
    // Sends one request, delivers the answer's status (and text) through the
    // callbacks and returns 0, or delivers "-1" and returns -1.
    qint16 call(RoomProtocol::Message request);
    // Tells the room the program is leaving, then disconnects.
    void bye();

    const QByteArray &appName() const { return m_appName; }
    // True while a request or a delivery runs, when deleting is unsafe.
    bool isBusy() const { return m_busy > 0; }

private:
    bool connectToRoom(int timeoutMs);
    std::optional<RoomProtocol::Message> exchange(RoomProtocol::Message request, int idleMs, int totalMs,
                                                  bool mayReconnect);
    void readAvailable();
    void handle(const RoomProtocol::Message &message);
    void deliverLateTexts();
    void deliverStatus(const QByteArray &status);
    void deliverText(const QByteArray &transcript);
    void drop();

    QString m_socketName;
    QByteArray m_appName;
    Callbacks m_callbacks;
    QLocalSocket *m_socket = nullptr;
    FrameDecoder m_decoder;
    quint32 m_nextId = 1;
    quint32 m_awaitedId = 0;
    std::optional<RoomProtocol::Message> m_answer;
    QList<QByteArray> m_lateTexts;
    bool m_inCall = false;
    int m_busy = 0;
};
