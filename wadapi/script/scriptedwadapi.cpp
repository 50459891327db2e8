#include "scriptedwadapi.h"

#include "chat/wadapi.h"

#include <QTimer>

namespace {

struct State
{
    WadapiStatusCallback onStatus = nullptr;
    WadapiTextCallback onText = nullptr;
    qint16 initResult = 0;
    QList<std::optional<QByteArray>> statuses;
    QByteArray transcript;
    ScriptedWadapi::Delivery delivery = ScriptedWadapi::Delivery::InsideCall;
    std::function<qint64()> now;
    std::function<void(const ScriptedWadapi::Call &)> observer;
    QList<ScriptedWadapi::Call> calls;
};

State &state()
{
    static State s;
    return s;
}

// Records the call, then answers it with the next prepared status.
void answer(ScriptedWadapi::Call call)
{
    State &s = state();
    call.atMs = s.now ? s.now() : 0;
    call.status = s.statuses.isEmpty() ? std::optional<QByteArray>("0") : s.statuses.takeFirst();
    s.calls.append(call);
    if (s.observer)
        s.observer(call);
    if (call.status && s.onStatus)
        s.onStatus(call.status->constData());
}

void deliverText()
{
    State &s = state();
    if (s.onText)
        s.onText(s.transcript.constData());
}

} // namespace

namespace ScriptedWadapi {

void reset()
{
    state() = State{};
}

void setInitResult(qint16 result)
{
    state().initResult = result;
}

void queueStatuses(const QList<std::optional<QByteArray>> &statuses)
{
    state().statuses.append(statuses);
}

void setTranscriptBytes(const QByteArray &bytes)
{
    state().transcript = bytes;
}

void setTranscript(const QByteArray &text)
{
    setTranscriptBytes(text + "\r\n" + "\x01\x02\x03\x04");
}

void setDelivery(Delivery delivery)
{
    state().delivery = delivery;
}

void setTimeSource(std::function<qint64()> now)
{
    state().now = std::move(now);
}

void setObserver(std::function<void(const Call &)> observer)
{
    state().observer = std::move(observer);
}

QList<Call> calls()
{
    return state().calls;
}

QList<QByteArray> said(int mode)
{
    QList<QByteArray> texts;
    for (const Call &call : state().calls) {
        if (call.function == u"DapiCommunicate" && call.mode == mode)
            texts.append(call.text);
    }
    return texts;
}

void clearCalls()
{
    state().calls.clear();
}

} // namespace ScriptedWadapi

extern "C" {

// No test needs the client's messages: the program ignores them.
int16_t WADAPI_CALL InitDDE(const char *appName, WadapiStatusCallback onStatus, WadapiMessageCallback /*onMessage*/,
                            WadapiTextCallback onText)
{
    State &s = state();
    s.onStatus = onStatus;
    s.onText = onText;
    s.calls.append({QStringLiteral("InitDDE"), appName, -1, {}, {}, std::nullopt, s.now ? s.now() : 0});
    return s.initResult;
}

int16_t WADAPI_CALL KillDDE(void)
{
    State &s = state();
    s.calls.append({QStringLiteral("KillDDE"), {}, -1, {}, {}, std::nullopt, s.now ? s.now() : 0});
    return 0;
}

int16_t WADAPI_CALL DapiRegister(const char *appName)
{
    // Recorded only: registering takes none of the statuses prepared for the deliveries.
    State &s = state();
    s.calls.append({QStringLiteral("DapiRegister"), appName, -1, {}, {}, std::nullopt, s.now ? s.now() : 0});
    return 0;
}

int16_t WADAPI_CALL DapiCommunicate(const char *appName, int16_t mode, const char *target, const char *text)
{
    answer({QStringLiteral("DapiCommunicate"), appName, mode, target, text, std::nullopt, 0});
    return 0;
}

int16_t WADAPI_CALL DapiGetAllText(const char *appName)
{
    answer({QStringLiteral("DapiGetAllText"), appName, -1, {}, {}, std::nullopt, 0});
    switch (state().delivery) {
    case ScriptedWadapi::Delivery::InsideCall:
        deliverText();
        break;
    case ScriptedWadapi::Delivery::Later:
        QTimer::singleShot(0, [] { deliverText(); });
        break;
    case ScriptedWadapi::Delivery::Never:
        break;
    }
    return 0;
}

} // extern "C"
