#pragma once

#include <QByteArray>
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
    RoomProcess();
    ~RoomProcess();
    RoomProcess(const RoomProcess &) = delete;
    RoomProcess &operator=(const RoomProcess &) = delete;

    static QString uniqueSocketName();

    // Starts the room and waits for its "ready"; false when it did not come.
    bool start(const QStringList &extraArguments = {}, const QString &socketName = uniqueSocketName());
    // Ends the room with its quit command; true when it ended cleanly.
    bool quit();
    // Sends command lines and waits until the room has carried them out.
    bool command(const QByteArray &lines);

    const QString &socketName() const { return m_socketName; }
    QString logPath() const { return m_dir.filePath(QStringLiteral("calls.log")); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QList<QJsonObject> log() const;
    // The log's entries for one call, e.g. "DapiCommunicate".
    QList<QJsonObject> log(const QString &call) const;
    QByteArray errors();
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_socketName;
    QByteArray m_stderr;
    int m_marks = 0;
};
