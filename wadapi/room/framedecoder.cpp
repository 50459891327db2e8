#include "framedecoder.h"

#include <QtEndian>

void FrameDecoder::feed(QByteArrayView bytes)
{
    if (isBroken())
        return;
    // Drop what was handed out once it is most of the buffer, so a stream
    // of small frames costs linear time.
    if (m_start > 0 && m_start >= m_buffer.size() / 2) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    m_buffer.append(bytes);
}

std::optional<RoomProtocol::Message> FrameDecoder::next()
{
    if (isBroken() || pending() < 4)
        return std::nullopt;
    const auto size = qFromBigEndian<quint32>(m_buffer.constData() + m_start);
    if (size == 0 || size > static_cast<quint64>(RoomProtocol::kMaxPayload)) {
        breakWith(QStringLiteral("frame of %1 bytes is out of bounds").arg(size));
        return std::nullopt;
    }
    const auto payloadSize = static_cast<qsizetype>(size);
    if (pending() - 4 < payloadSize)
        return std::nullopt;
    auto message = RoomProtocol::decodePayload(QByteArrayView(m_buffer).sliced(m_start + 4, payloadSize));
    if (!message) {
        breakWith(QStringLiteral("malformed frame"));
        return std::nullopt;
    }
    m_start += 4 + payloadSize;
    if (m_start == m_buffer.size()) {
        m_buffer.clear();
        m_start = 0;
    }
    return message;
}

void FrameDecoder::breakWith(const QString &error)
{
    m_error = error;
    m_buffer.clear();
    m_start = 0;
}
