#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

#include <optional>

class RoomTranscript;

// Simulated players. When the host invites registrations ("Please send me
// NAME a SYMBOL to get on the list"), every bot ESPs the symbol to the host
// after a short random delay, as people do; now and then a bot that gets an
// ESP says thank you in the room.
class Bots : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMax = 100;
    static constexpr int kMinDelayMs = 200;
    static constexpr int kMaxDelayMs = 2000;

    Bots(RoomTranscript &transcript, const QByteArray &host, QObject *parent = nullptr);

    void setCount(int count);
    int count() const { return static_cast<int>(m_names.size()); }
    const QList<QByteArray> &names() const { return m_names; }

    // The symbol a host line invites, if it is an invitation.
    static std::optional<QByteArray> invitedSymbol(const QByteArray &line, const QByteArray &host);

signals:
    void countChanged(int count);

private:
    void hear(const QByteArray &line);
    void later(int minMs, int maxMs, const QByteArray &name, const QByteArray &line);

    RoomTranscript &m_transcript;
    QByteArray m_host;
    QList<QByteArray> m_names;
};
