#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A chat client library for tests: answers every call with prepared statuses
// and transcripts and records each call. It implements the C interface of
// chat/wadapi.h, so a test links it instead of the real library.
namespace ScriptedWadapi {

struct Call
{
    QString function; // "InitDDE", "KillDDE", "DapiRegister", "DapiCommunicate", "DapiGetAllText"
    QByteArray appName;
    int mode = -1;                    // DapiCommunicate only
    QByteArray target;                // DapiCommunicate only
    QByteArray text;                  // DapiCommunicate only
    std::optional<QByteArray> status; // what the status callback was given, if anything
    qint64 atMs = 0;                  // from the time source
};

enum class Delivery {
    InsideCall, // the text callback runs before DapiGetAllText returns
    Later,      // the text callback runs from the event loop after the call
    Never,      // no text arrives
};

// Forgets every prepared answer, recorded call and callback.
void reset();

void setInitResult(qint16 result);

// Statuses for the next calls, one each; std::nullopt delivers no status.
// When the queue is empty every call answers "0".
void queueStatuses(const QList<std::optional<QByteArray>> &statuses);

// The bytes DapiGetAllText hands to the text callback, exactly as given.
void setTranscriptBytes(const QByteArray &bytes);
// The room's text as the client delivers it: the text, CR LF, four bytes of
// the client's own and the terminating NUL.
void setTranscript(const QByteArray &text);
void setDelivery(Delivery delivery);

// Where the recorded times come from (default: always 0).
void setTimeSource(std::function<qint64()> now);
// Called with every call as it is recorded, before its status goes back.
void setObserver(std::function<void(const Call &)> observer);

QList<Call> calls();
// The texts of the DapiCommunicate calls with the given mode, in order.
QList<QByteArray> said(int mode = 0);
void clearCalls();

} // namespace ScriptedWadapi
