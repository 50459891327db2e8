#pragma once

#include "roomprotocol.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Cuts a byte stream into messages. Bytes may arrive in pieces of any size;
// the first malformed frame breaks the decoder for good, because nothing
// after it can be trusted to start on a frame boundary.
class FrameDecoder
{
public:
    void feed(QByteArrayView bytes);

    // The next complete message, or nullopt when more bytes are needed or the
    // stream is broken.
    std::optional<RoomProtocol::Message> next();

    bool isBroken() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    // Bytes received but not yet handed out as messages.
    qsizetype pending() const { return m_buffer.size() - m_start; }

private:
    void breakWith(const QString &error);

    QByteArray m_buffer;
    qsizetype m_start = 0; // consumed bytes at the front, dropped in batches
    QString m_error;
};
