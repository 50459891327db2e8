#pragma once

#include <QByteArrayView>
#include <QObject>
#include <QString>

class Bots;
class RoomService;
class RoomTranscript;

// The room's commands, one a line of UTF-8:
//   say NAME: TEXT        NAME says TEXT in the room
//   esp NAME: TEXT        NAME sends TEXT to the host by ESP
//   line TEXT             TEXT is appended as it stands
//   load FILE | clear     the transcript becomes the file's text / empty
//   status CODE [COUNT]   the next COUNT calls (default 1) are answered CODE;
//                         write "" for the empty status
//   late MS               the next transcript goes out MS ms after its answer
//   bots N                N simulated players
//   quit                  the room ends
// Empty lines and lines starting with '#' are skipped. A command that fails
// changes nothing.
class CommandInterpreter : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxCount = 10000;
    static constexpr int kMaxLateMs = 600000;

    CommandInterpreter(RoomTranscript &transcript, RoomService &service, Bots &bots, QObject *parent = nullptr);

    // Carries out one line; the reason when it could not, else empty.
    QString execute(QByteArrayView line);

signals:
    void quitRequested();

private:
    QString speak(const QByteArray &prefix, QByteArrayView rest);
    QString appendLine(QByteArrayView rest);
    QString load(QByteArrayView rest);
    QString status(QByteArrayView rest);
    QString late(QByteArrayView rest);
    QString bots(QByteArrayView rest);

    RoomTranscript &m_transcript;
    RoomService &m_service;
    Bots &m_bots;
};
