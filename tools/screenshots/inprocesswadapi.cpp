// The chat client's C interface for the screenshots: it speaks the room's
// own protocol over the room's own socket, like the room library, but the
// room listens in this very process. So instead of blocking until the answer
// comes, every call waits in a nested event loop, in which the room answers.

#include "chat/wadapi.h"
#include "framedecoder.h"
#include "roomprotocol.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

#include <memory>
#include <optional>
#include <utility>

namespace {

constexpr int kAnswerMs = 5000;
// The four bytes the client puts after the text, before the NUL.
constexpr char kTail[] = "\r\n\x01\x02\x03\x04";

struct Link
{
    QLocalSocket socket;
    FrameDecoder decoder;
    QByteArray app;
    WadapiStatusCallback status = nullptr;
    WadapiTextCallback text = nullptr;
    quint32 nextId = 1;
    quint32 awaited = 0;
    std::optional<RoomProtocol::Message> answer;
    QEventLoop *waiting = nullptr;
};

std::unique_ptr<Link> g_link;

void deliverStatus(const QByteArray &status)
{
    if (g_link && g_link->status)
        g_link->status(status.constData());
}

void deliverText(const QByteArray &transcript)
{
    if (g_link && g_link->text)
        g_link->text((transcript + QByteArray(kTail, sizeof kTail - 1)).constData());
}

void readFrames()
{
    Link &link = *g_link;
    link.decoder.feed(link.socket.readAll());
    while (auto message = link.decoder.next()) {
        if (message->kind == RoomProtocol::Kind::Answer && message->id == link.awaited) {
            link.answer = message;
            if (link.waiting)
                link.waiting->quit();
        } else if (message->kind == RoomProtocol::Kind::LateText) {
            // Never inside a call, as the real library.
            QTimer::singleShot(0, &link.socket, [text = message->text] { deliverText(text); });
        }
    }
}

std::optional<RoomProtocol::Message> exchange(RoomProtocol::Message request)
{
    if (!g_link || g_link->socket.state() != QLocalSocket::ConnectedState)
        return std::nullopt;
    Link &link = *g_link;
    request.id = link.nextId++;
    request.app = link.app;
    const auto frame = RoomProtocol::encode(request);
    if (!frame)
        return std::nullopt;
    link.awaited = request.id;
    link.answer.reset();
    link.socket.write(*frame);
    QEventLoop loop;
    QTimer::singleShot(kAnswerMs, &loop, &QEventLoop::quit);
    link.waiting = &loop;
    if (!link.answer)
        loop.exec();
    link.waiting = nullptr;
    link.awaited = 0;
    return std::exchange(link.answer, std::nullopt);
}

int16_t call(RoomProtocol::Kind kind, int16_t mode = 0, const char *target = nullptr, const char *text = nullptr)
{
    RoomProtocol::Message request;
    request.kind = kind;
    request.mode = mode;
    request.target = target ? QByteArray(target) : QByteArray();
    request.text = text ? QByteArray(text) : QByteArray();
    const auto answer = exchange(request);
    if (!answer) {
        deliverStatus("-1");
        return -1;
    }
    deliverStatus(answer->status);
    if (answer->hasText())
        deliverText(answer->text);
    return 0;
}

} // namespace

extern "C" {

int16_t WADAPI_CALL InitDDE(const char *appName, WadapiStatusCallback onStatus, WadapiMessageCallback,
                            WadapiTextCallback onText)
{
    g_link = std::make_unique<Link>();
    g_link->app = appName ? QByteArray(appName) : QByteArray();
    g_link->status = onStatus;
    g_link->text = onText;
    QObject::connect(&g_link->socket, &QLocalSocket::readyRead, &g_link->socket, &readFrames);
    const QString name = qEnvironmentVariable("WADAPI_ROOM");
    g_link->socket.connectToServer(name.isEmpty() ? QStringLiteral("wadapi-room") : name);
    RoomProtocol::Message hello;
    hello.kind = RoomProtocol::Kind::Hello;
    const auto answer = exchange(hello);
    const bool up = answer && answer->status == "0";
    deliverStatus(up ? "0" : "-1");
    if (!up)
        g_link.reset();
    return up ? 0 : -1;
}

int16_t WADAPI_CALL KillDDE(void)
{
    if (!g_link)
        return -1;
    call(RoomProtocol::Kind::Bye);
    g_link.reset();
    return 0;
}

int16_t WADAPI_CALL DapiRegister(const char *)
{
    return call(RoomProtocol::Kind::Register);
}

int16_t WADAPI_CALL DapiCommunicate(const char *, int16_t mode, const char *target, const char *text)
{
    return call(RoomProtocol::Kind::Communicate, mode, target, text);
}

int16_t WADAPI_CALL DapiGetAllText(const char *)
{
    return call(RoomProtocol::Kind::GetAllText);
}

} // extern "C"
