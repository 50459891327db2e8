#include "roomprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

RoomProcess::~RoomProcess()
{
    if (m_process.state() != QProcess::NotRunning && !quit()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString RoomProcess::uniqueSocketName()
{
    static int counter = 0;
    return u"wadapi-room-test-%1-%2"_s.arg(QCoreApplication::applicationPid()).arg(++counter);
}

bool RoomProcess::start(const QStringList &extraArguments, const QString &socketName)
{
    m_socketName = socketName;
    m_process.setArguments(
        QStringList{u"--headless"_s, u"--socket"_s, m_socketName, u"--log"_s, filePath(u"calls.log"_s)}
        + extraArguments);
    m_process.start();
    return readUntil(QProcess::StandardOutput, m_stdout, "ready\n");
}

bool RoomProcess::quit()
{
    m_process.write("quit\n");
    return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::NormalExit
        && m_process.exitCode() == 0;
}

bool RoomProcess::command(const QByteArray &lines)
{
    // The room answers an unknown command on standard error, in order, so a
    // unique one marks the point where every line before it was carried out.
    const QByteArray mark = "mark-" + QByteArray::number(++m_marks);
    m_process.write(lines + '\n' + mark + '\n');
    return readUntil(QProcess::StandardError, m_stderr, '"' + mark + '"');
}

bool RoomProcess::readUntil(QProcess::ProcessChannel channel, QByteArray &seen, const QByteArray &wanted)
{
    m_process.setReadChannel(channel);
    const QDeadlineTimer deadline(15000);
    while (!(seen += m_process.readAll()).contains(wanted)) {
        if (!m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
    }
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

QList<QJsonObject> RoomProcess::log(const QString &call) const
{
    QList<QJsonObject> entries;
    QFile file(filePath(u"calls.log"_s));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (!line.isEmpty() && (call.isEmpty() || entry.value(u"call").toString() == call))
            entries.append(entry);
    }
    return entries;
}
