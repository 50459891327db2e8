#include "roomprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

namespace {

constexpr int kStartMs = 15000;

} // namespace

RoomProcess::RoomProcess()
{
    m_process.setProgram(QStringLiteral(CHATROOM_PATH));
}

RoomProcess::~RoomProcess()
{
    if (m_process.state() != QProcess::NotRunning && !quit()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool RoomProcess::quit()
{
    m_process.write("quit\n");
    return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::NormalExit
           && m_process.exitCode() == 0;
}

QString RoomProcess::uniqueSocketName()
{
    static int counter = 0;
    return QStringLiteral("wadapi-room-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

bool RoomProcess::start(const QStringList &extraArguments, const QString &socketName)
{
    m_socketName = socketName;
    m_process.setArguments(QStringList{QStringLiteral("--headless"), QStringLiteral("--socket"), m_socketName,
                                       QStringLiteral("--log"), logPath()}
                           + extraArguments);
    m_process.setReadChannel(QProcess::StandardOutput);
    m_process.start();
    if (!m_process.waitForStarted(kStartMs))
        return false;
    const QDeadlineTimer deadline(kStartMs);
    QByteArray out;
    while (!out.contains("ready\n")) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        out += m_process.readAllStandardOutput();
    }
    return true;
}

bool RoomProcess::command(const QByteArray &lines)
{
    // The room answers an unknown command on standard error, in order, so a
    // unique one marks the point where every line before it was carried out.
    const QByteArray mark = "mark-" + QByteArray::number(++m_marks);
    m_process.write(lines + '\n' + mark + '\n');
    m_process.setReadChannel(QProcess::StandardError);
    const QDeadlineTimer deadline(kStartMs);
    while (!m_stderr.contains("\"" + mark + "\"")) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        m_stderr += m_process.readAllStandardError();
    }
    m_process.setReadChannel(QProcess::StandardOutput);
    return true;
}

QByteArray RoomProcess::errors()
{
    m_stderr += m_process.readAllStandardError();
    QByteArray real;
    for (const QByteArray &line : m_stderr.split('\n')) {
        if (!line.isEmpty() && !line.contains("\"mark-"))
            real += line + '\n';
    }
    return real;
}

QList<QJsonObject> RoomProcess::log() const
{
    QList<QJsonObject> entries;
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            entries.append(QJsonDocument::fromJson(line).object());
    }
    return entries;
}

QList<QJsonObject> RoomProcess::log(const QString &call) const
{
    QList<QJsonObject> entries;
    for (const QJsonObject &entry : log()) {
        if (entry.value(u"call").toString() == call)
            entries.append(entry);
    }
    return entries;
}
