#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The wire between the room library and the chatroom program.
//
// A frame is a 32-bit big-endian payload length followed by the payload:
//   u8 version (1) | u8 kind | u8 flags | u32 id | i16 mode |
//   four fields, each a u32 length and its bytes: app, target, text, status
// All integers are big-endian. Texts are raw Windows-1252 bytes and never
// hold a NUL, because both ends hand them on as C strings.
namespace RoomProtocol {

constexpr quint8 kVersion = 1;
// Transcripts up to 64 MiB travel in one frame; the rest is headroom for the
// other fields.
constexpr qsizetype kMaxText = qsizetype(64) * 1024 * 1024;
constexpr qsizetype kMaxPayload = kMaxText + qsizetype(64) * 1024;

enum class Kind : quint8 {
    Hello = 1,       // InitDDE: is a room there?
    Bye = 2,         // KillDDE
    Register = 3,    // DapiRegister
    Communicate = 4, // DapiCommunicate
    GetAllText = 5,  // DapiGetAllText
    Answer = 6,      // the room's answer to the request with the same id
    LateText = 7,    // a transcript sent after its request was answered
};

enum Flag : quint8 {
    HasText = 0x01, // an Answer that carries the transcript in text
};

struct Message
{
    Kind kind = Kind::Hello;
    quint8 flags = 0;
    quint32 id = 0;
    qint16 mode = 0;
    QByteArray app;
    QByteArray target;
    QByteArray text;
    QByteArray status;

    bool hasText() const { return (flags & HasText) != 0; }
    bool operator==(const Message &) const = default;
};

// The whole frame, length prefix included; nullopt when a field holds a NUL
// or the frame would pass the size bound.
std::optional<QByteArray> encode(const Message &message);

// One payload without its length prefix; nullopt for anything malformed.
std::optional<Message> decodePayload(QByteArrayView payload);

const char *kindName(Kind kind);

} // namespace RoomProtocol
