#include "roomprotocol.h"

#include <QtEndian>

namespace RoomProtocol {

namespace {

constexpr qsizetype kHeaderSize = 1 + 1 + 1 + 4 + 2;
constexpr quint8 kKnownFlags = HasText;

void appendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendField(QByteArray &out, const QByteArray &field)
{
    appendU32(out, static_cast<quint32>(field.size()));
    out.append(field);
}

bool isKnownKind(quint8 kind)
{
    return kind >= static_cast<quint8>(Kind::Hello) && kind <= static_cast<quint8>(Kind::LateText);
}

// Reads from a payload without ever stepping past its end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    bool u8(quint8 &value)
    {
        if (left() < 1)
            return false;
        value = static_cast<quint8>(m_bytes[m_at++]);
        return true;
    }

    bool u32(quint32 &value)
    {
        if (left() < 4)
            return false;
        value = qFromBigEndian<quint32>(m_bytes.data() + m_at);
        m_at += 4;
        return true;
    }

    bool i16(qint16 &value)
    {
        if (left() < 2)
            return false;
        value = qFromBigEndian<qint16>(m_bytes.data() + m_at);
        m_at += 2;
        return true;
    }

    bool field(QByteArray &value)
    {
        quint32 size = 0;
        if (!u32(size) || size > static_cast<quint64>(left()))
            return false;
        const QByteArrayView bytes = m_bytes.sliced(m_at, static_cast<qsizetype>(size));
        if (bytes.contains('\0'))
            return false;
        value = bytes.toByteArray();
        m_at += static_cast<qsizetype>(size);
        return true;
    }

    qsizetype left() const { return m_bytes.size() - m_at; }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

} // namespace

std::optional<QByteArray> encode(const Message &message)
{
    const qsizetype payloadSize = kHeaderSize + 16 + message.app.size() + message.target.size() + message.text.size()
        + message.status.size();
    if (payloadSize > kMaxPayload)
        return std::nullopt;
    for (const QByteArray *field : {&message.app, &message.target, &message.text, &message.status}) {
        if (field->contains('\0'))
            return std::nullopt;
    }
    QByteArray out;
    out.reserve(4 + payloadSize);
    appendU32(out, static_cast<quint32>(payloadSize));
    out.append(static_cast<char>(kVersion));
    out.append(static_cast<char>(message.kind));
    out.append(static_cast<char>(message.flags & kKnownFlags));
    appendU32(out, message.id);
    char mode[2];
    qToBigEndian(message.mode, mode);
    out.append(mode, 2);
    appendField(out, message.app);
    appendField(out, message.target);
    appendField(out, message.text);
    appendField(out, message.status);
    return out;
}

std::optional<Message> decodePayload(QByteArrayView payload)
{
    if (payload.size() > kMaxPayload)
        return std::nullopt;
    Reader reader(payload);
    quint8 version = 0;
    quint8 kind = 0;
    Message message;
    if (!reader.u8(version) || version != kVersion)
        return std::nullopt;
    if (!reader.u8(kind) || !isKnownKind(kind))
        return std::nullopt;
    message.kind = static_cast<Kind>(kind);
    if (!reader.u8(message.flags) || (message.flags & ~kKnownFlags) != 0)
        return std::nullopt;
    if (!reader.u32(message.id) || !reader.i16(message.mode))
        return std::nullopt;
    if (!reader.field(message.app) || !reader.field(message.target) || !reader.field(message.text)
        || !reader.field(message.status))
        return std::nullopt;
    if (reader.left() != 0)
        return std::nullopt;
    return message;
}

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Hello:
        return "InitDDE";
    case Kind::Bye:
        return "KillDDE";
    case Kind::Register:
        return "DapiRegister";
    case Kind::Communicate:
        return "DapiCommunicate";
    case Kind::GetAllText:
        return "DapiGetAllText";
    case Kind::Answer:
        return "Answer";
    case Kind::LateText:
        return "LateText";
    }
    return "?";
}

} // namespace RoomProtocol
