#include "support/recordedcalls.h"

#include "core/ansi.h"
#include "scriptedwadapi.h"

namespace {

QList<ScriptedWadapi::Call> communicated(int mode)
{
    QList<ScriptedWadapi::Call> calls;
    for (const auto &call : ScriptedWadapi::calls()) {
        if (call.function == u"DapiCommunicate" && call.mode == mode)
            calls << call;
    }
    return calls;
}

} // namespace

QStringList RecordedCalls::said()
{
    QStringList texts;
    for (const auto &call : communicated(0))
        texts << Ansi::decode(call.text);
    return texts;
}

QList<qint64> RecordedCalls::moments()
{
    QList<qint64> at;
    const auto calls = communicated(0);
    for (const auto &call : calls)
        at << call.atMs - calls.first().atMs;
    return at;
}

QStringList RecordedCalls::esps()
{
    QStringList texts;
    for (const auto &call : communicated(2))
        texts << Ansi::decode(call.target) + QStringLiteral(": ") + Ansi::decode(call.text);
    return texts;
}

void RecordedCalls::clear()
{
    ScriptedWadapi::clearCalls();
}
