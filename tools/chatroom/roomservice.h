#pragma once

#include "roomprotocol.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <optional>

class CallLog;
class RoomTranscript;

// What the chat client does with each call of the program, whatever carried
// it: says lines, sends ESPs, hands out the transcript, and answers the way
// the person running the room told it to.
//
// Status injection: each injected code answers one DapiCommunicate or
// DapiGetAllText, oldest first. "0" and "" carry the call out as usual and
// answer with that code; any other code answers without carrying the call
// out (nothing is said, no transcript is sent). When the queue is empty,
// calls are carried out and answered "0". InitDDE, KillDDE and DapiRegister
// always answer "0" and take no injected code, so a "10" is followed by a
// registration that succeeds.
class RoomService : public QObject
{
    Q_OBJECT

public:
    RoomService(RoomTranscript &transcript, const QByteArray &host, CallLog *log = nullptr, QObject *parent = nullptr);

    struct Reply
    {
        QByteArray status;
        std::optional<QByteArray> text;     // the transcript, with the answer
        std::optional<QByteArray> lateText; // the transcript, sent lateMs after the answer
        int lateMs = 0;
    };
    // The answer to one request; nullopt for a message that is no request.
    std::optional<Reply> answer(const RoomProtocol::Message &request);

    void injectStatus(const QByteArray &code, int count);
    const QList<QByteArray> &injectedStatuses() const { return m_injected; }
    void clearInjectedStatuses();
    // The next transcript that is carried out goes out this late.
    void setLate(int ms);
    std::optional<int> late() const { return m_lateMs; }

    const QByteArray &host() const { return m_host; }

signals:
    void injectedStatusesChanged();
    void answered(const QString &call, const QByteArray &status);

private:
    QByteArray takeStatus(bool *perform);
    QByteArray communicate(qint16 mode, const QByteArray &target, const QByteArray &text);

    RoomTranscript &m_transcript;
    QByteArray m_host;
    CallLog *m_log;
    QList<QByteArray> m_injected;
    std::optional<int> m_lateMs;
};
