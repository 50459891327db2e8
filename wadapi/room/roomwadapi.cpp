// The chat client's C interface, served by a chatroom over a local socket.

#include "chat/wadapi.h"
#include "roomclient.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

QPointer<RoomClient> g_client;

QString socketName()
{
    const QString name = qEnvironmentVariable("WADAPI_ROOM");
    return name.isEmpty() ? QStringLiteral("wadapi-room") : name;
}

QByteArray bytesOf(const char *text)
{
    return text ? QByteArray(text) : QByteArray();
}

void release()
{
    RoomClient *client = g_client;
    g_client.clear();
    if (!client)
        return;
    // Deleting the client from inside one of its own deliveries would pull
    // the socket out from under it.
    if (client->isBusy())
        client->deleteLater();
    else
        delete client;
}

int16_t request(RoomProtocol::Kind kind, const char *appName, int16_t mode = 0, const char *target = nullptr,
                const char *text = nullptr)
{
    if (!g_client)
        return -1;
    RoomProtocol::Message message;
    message.kind = kind;
    message.app = bytesOf(appName);
    message.mode = mode;
    message.target = bytesOf(target);
    message.text = bytesOf(text);
    return g_client->call(message);
}

// A write to a room that has just died raises SIGPIPE, whose default is to
// end the process: the host's program must outlive its chat client. A
// handler the program installed itself is left alone.
void ignoreBrokenPipes()
{
#ifdef Q_OS_UNIX
    struct sigaction current = {};
    if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, nullptr);
    }
#endif
}

} // namespace

extern "C" {

int16_t WADAPI_CALL InitDDE(const char *appName, WadapiStatusCallback onStatus, WadapiMessageCallback onMessage,
                            WadapiTextCallback onText)
{
    release();
    ignoreBrokenPipes();
    // Owned by the application when there is one, so it goes before Qt does.
    QObject *owner = QCoreApplication::instance();
    if (owner && owner->thread() != QThread::currentThread())
        owner = nullptr;
    g_client = new RoomClient(socketName(), bytesOf(appName), {onStatus, onMessage, onText}, owner);
    if (g_client->hello()) {
        if (onStatus)
            onStatus("0");
        return 0;
    }
    release();
    if (onStatus)
        onStatus("-1");
    return -1;
}

int16_t WADAPI_CALL KillDDE(void)
{
    if (!g_client)
        return -1;
    g_client->bye();
    release();
    return 0;
}

int16_t WADAPI_CALL DapiRegister(const char *appName)
{
    return request(RoomProtocol::Kind::Register, appName);
}

int16_t WADAPI_CALL DapiCommunicate(const char *appName, int16_t mode, const char *target, const char *text)
{
    return request(RoomProtocol::Kind::Communicate, appName, mode, target, text);
}

int16_t WADAPI_CALL DapiGetAllText(const char *appName)
{
    return request(RoomProtocol::Kind::GetAllText, appName);
}

} // extern "C"
