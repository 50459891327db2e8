#include "roomservice.h"

#include "calllog.h"
#include "roomtext.h"
#include "roomtranscript.h"

RoomService::RoomService(RoomTranscript &transcript, const QByteArray &host, CallLog *log, QObject *parent)
    : QObject(parent)
    , m_transcript(transcript)
    , m_host(host)
    , m_log(log)
{}

std::optional<RoomService::Reply> RoomService::answer(const RoomProtocol::Message &request)
{
    using RoomProtocol::Kind;
    Reply reply;
    CallLog::Entry entry;
    entry.call = QString::fromLatin1(RoomProtocol::kindName(request.kind));
    entry.app = request.app;
    bool perform = true;
    switch (request.kind) {
    case Kind::Hello:
    case Kind::Bye:
    case Kind::Register:
        reply.status = "0";
        break;
    case Kind::Communicate:
        entry.mode = request.mode;
        entry.target = request.target;
        entry.text = request.text;
        reply.status = takeStatus(&perform);
        if (perform) {
            const QByteArray status = communicate(request.mode, request.target, request.text);
            // A refused mode or target wins over an injected success.
            if (status != "0")
                reply.status = status;
        }
        break;
    case Kind::GetAllText:
        reply.status = takeStatus(&perform);
        if (perform && m_lateMs) {
            reply.lateText = m_transcript.text();
            reply.lateMs = *m_lateMs;
            m_lateMs.reset();
        } else if (perform) {
            reply.text = m_transcript.text();
        }
        break;
    case Kind::Answer:
    case Kind::LateText:
        return std::nullopt;
    }
    entry.status = reply.status;
    if (m_log)
        m_log->write(entry);
    emit answered(entry.call, reply.status);
    return reply;
}

void RoomService::injectStatus(const QByteArray &code, int count)
{
    for (int i = 0; i < count; ++i)
        m_injected.append(code);
    emit injectedStatusesChanged();
}

void RoomService::clearInjectedStatuses()
{
    m_injected.clear();
    emit injectedStatusesChanged();
}

void RoomService::setLate(int ms)
{
    m_lateMs = ms;
}

QByteArray RoomService::takeStatus(bool *perform)
{
    if (m_injected.isEmpty()) {
        *perform = true;
        return "0";
    }
    QByteArray status = m_injected.takeFirst();
    *perform = status.isEmpty() || status == "0";
    emit injectedStatusesChanged();
    return status;
}

QByteArray RoomService::communicate(qint16 mode, const QByteArray &target, const QByteArray &text)
{
    switch (mode) {
    case 0:
        m_transcript.append(m_host + ": " + RoomText::flattenLine(text));
        return "0";
    case 2:
        if (target.trimmed().isEmpty())
            return "-1";
        m_transcript.append("ESP to " + RoomText::flattenLine(target) + ": " + RoomText::flattenLine(text));
        return "0";
    default:
        return "-1"; // the room knows no other way of speaking
    }
}
