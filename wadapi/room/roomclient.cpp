#include "roomclient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// Counts the client as busy for the length of a scope.
class BusyScope
{
public:
    explicit BusyScope(int &counter)
        : m_counter(counter)
    {
        ++m_counter;
    }
    ~BusyScope() { --m_counter; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    int &m_counter;
};

// The four bytes the client puts after the text, before the NUL.
constexpr char kTail[] = "\r\n\x01\x02\x03\x04";

} // namespace

RoomClient::RoomClient(const QString &socketName, const QByteArray &appName, const Callbacks &callbacks,
                       QObject *parent)
    : QObject(parent)
    , m_socketName(socketName)
    , m_appName(appName)
    , m_callbacks(callbacks)
    , m_socket(new QLocalSocket(this))
{
    // Late transcripts arrive while the caller's event loop runs.
    connect(m_socket, &QLocalSocket::readyRead, this, &RoomClient::readAvailable);
}

RoomClient::~RoomClient()
{
    m_socket->abort();
}

bool RoomClient::hello()
{
    BusyScope busy(m_busy);
    const QScopedValueRollback inCall(m_inCall, true);
    QDeadlineTimer deadline(kHelloMs);
    if (!connectToRoom(kHelloMs))
        return false;
    RoomProtocol::Message request;
    request.kind = RoomProtocol::Kind::Hello;
    request.app = m_appName;
    const int left = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1));
    const auto answer = exchange(request, left, left, false);
    return answer && answer->status == "0";
}

qint16 RoomClient::call(RoomProtocol::Message request)
{
    BusyScope busy(m_busy);
    const QScopedValueRollback inCall(m_inCall, true);
    const auto answer = exchange(std::move(request), kIdleMs, kTotalMs, true);
    if (!answer) {
        deliverStatus("-1");
        return -1;
    }
    deliverStatus(answer->status);
    if (answer->hasText())
        deliverText(answer->text);
    return 0;
}

void RoomClient::bye()
{
    BusyScope busy(m_busy);
    const QScopedValueRollback inCall(m_inCall, true);
    RoomProtocol::Message request;
    request.kind = RoomProtocol::Kind::Bye;
    request.app = m_appName;
    const auto answer = exchange(request, kConnectMs * 2, kConnectMs * 2, true);
    deliverStatus(answer ? answer->status : QByteArray("-1"));
    drop();
    m_lateTexts.clear(); // nothing reaches the program after it left
}

bool RoomClient::connectToRoom(int timeoutMs)
{
    drop();
    m_socket->connectToServer(m_socketName);
    return m_socket->waitForConnected(timeoutMs);
}

std::optional<RoomProtocol::Message> RoomClient::exchange(RoomProtocol::Message request, int idleMs, int totalMs,
                                                          bool mayReconnect)
{
    for (;;) {
        if (m_socket->state() != QLocalSocket::ConnectedState) {
            if (!mayReconnect || !connectToRoom(kConnectMs))
                return std::nullopt;
            mayReconnect = false;
        }
        request.id = m_nextId++;
        const auto frame = RoomProtocol::encode(request);
        if (!frame)
            return std::nullopt;
        m_awaitedId = request.id;
        m_answer.reset();
        m_socket->write(*frame);
        m_socket->flush();

        const QDeadlineTimer total(totalMs);
        readAvailable();
        while (!m_answer && m_socket->state() == QLocalSocket::ConnectedState && !total.hasExpired()) {
            const int wait = static_cast<int>(std::clamp<qint64>(total.remainingTime(), 1, idleMs));
            const bool arrived = m_socket->waitForReadyRead(wait);
            readAvailable();
            if (!arrived && m_socket->state() == QLocalSocket::ConnectedState)
                break; // silent for too long
        }
        m_awaitedId = 0;
        if (m_answer) {
            auto answer = std::move(m_answer);
            m_answer.reset();
            return answer;
        }
        const bool lost = m_socket->state() != QLocalSocket::ConnectedState;
        // A stuck room may still answer later; start afresh next time.
        drop();
        if (!lost || !mayReconnect)
            return std::nullopt;
        // The room went away under an old connection: it may be back.
    }
}

void RoomClient::readAvailable()
{
    BusyScope busy(m_busy);
    if (m_socket->bytesAvailable() > 0)
        m_decoder.feed(m_socket->readAll());
    while (auto message = m_decoder.next())
        handle(*message);
    if (m_decoder.isBroken())
        drop();
}

void RoomClient::handle(const RoomProtocol::Message &message)
{
    switch (message.kind) {
    case RoomProtocol::Kind::Answer:
        if (m_awaitedId != 0 && message.id == m_awaitedId)
            m_answer = message;
        break;
    case RoomProtocol::Kind::LateText:
        // A late text is delivered from the event loop, never inside a call,
        // even when it arrives together with an answer.
        if (m_inCall) {
            m_lateTexts.append(message.text);
            QMetaObject::invokeMethod(this, &RoomClient::deliverLateTexts, Qt::QueuedConnection);
        } else {
            deliverText(message.text);
        }
        break;
    default:
        break; // requests travel the other way
    }
}

void RoomClient::deliverLateTexts()
{
    BusyScope busy(m_busy);
    while (!m_lateTexts.isEmpty())
        deliverText(m_lateTexts.takeFirst());
}

void RoomClient::deliverStatus(const QByteArray &status)
{
    if (m_callbacks.status)
        m_callbacks.status(status.constData());
}

void RoomClient::deliverText(const QByteArray &transcript)
{
    if (!m_callbacks.text)
        return;
    QByteArray bytes;
    bytes.reserve(transcript.size() + qsizetype(sizeof kTail));
    bytes.append(transcript);
    bytes.append(kTail, qsizetype(sizeof kTail) - 1);
    m_callbacks.text(bytes.constData());
}

void RoomClient::drop()
{
    m_socket->abort();
    m_decoder = FrameDecoder();
    m_answer.reset();
}
