#include "programfixture.h"

#include "core/ansi.h"

#include <QFile>

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

QStringList ProgramFixture::said() const
{
    QStringList texts;
    for (const auto &call : communicated(0))
        texts << Ansi::decode(call.text);
    return texts;
}

QList<qint64> ProgramFixture::moments() const
{
    QList<qint64> at;
    const auto calls = communicated(0);
    for (const auto &call : calls)
        at << call.atMs - calls.first().atMs;
    return at;
}

QStringList ProgramFixture::esps() const
{
    QStringList texts;
    for (const auto &call : communicated(2))
        texts << Ansi::decode(call.target) + QStringLiteral(": ") + Ansi::decode(call.text);
    return texts;
}

QByteArray ProgramFixture::recoveryFile() const
{
    QFile file(dir.filePath(QStringLiteral("Recover.bak")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void ProgramFixture::fill(PlayerList &list, const QStringList &names)
{
    for (const QString &name : names)
        list.add(name);
}
