#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A headless chatroom started for one test, on a socket name of its own and
// with its call log in a temporary folder.
class RoomProcess
{
public:
    RoomProcess() { m_process.setProgram(QStringLiteral(CHATROOM_PATH)); }
    ~RoomProcess();

    static QString uniqueSocketName();

    // Starts the room and waits for its "ready"; false when it did not come.
    bool start(const QStringList &extraArguments = {}, const QString &socketName = uniqueSocketName());
    // Ends the room with its quit command; true when it ended cleanly.
    bool quit();
    // Sends command lines and waits until the room has carried them out.
    bool command(const QByteArray &lines);

    const QString &socketName() const { return m_socketName; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // The call log's entries: all of them, or those of one call, e.g. "DapiCommunicate".
    QList<QJsonObject> log(const QString &call = {}) const;
    // What the room said on standard error, without the marks of command().
    QByteArray errors();
    QProcess &process() { return m_process; }

private:
    bool readUntil(QProcess::ProcessChannel channel, QByteArray &seen, const QByteArray &wanted);

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_socketName;
    QByteArray m_stdout;
    QByteArray m_stderr;
    int m_marks = 0;
};
