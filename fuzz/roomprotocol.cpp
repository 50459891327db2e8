// The room library's wire format on arbitrary bytes. The first byte picks a
// way to cut the stream into slices (or, with its top bit set, builds one
// message to encode); the stream must decode the same in any slicing, and
// every frame that decodes must encode back to its own bytes.
#include "roomprotocol.h"

#include "framedecoder.h"
#include "fuzzcheck.h"

#include <QList>
#include <QtEndian>

namespace {

using RoomProtocol::Message;

struct Decoded
{
    QList<Message> messages;
    bool broken = false;
    qsizetype pending = 0;
};

// Feeds the stream in slices of at most maxSlice bytes whose sizes vary with
// the seed (all at once when maxSlice is past its size), taking each message
// out as soon as it is complete.
Decoded decode(QByteArrayView stream, qsizetype maxSlice, quint32 seed)
{
    FrameDecoder decoder;
    Decoded out;
    qsizetype fed = 0;
    while (fed < stream.size()) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype slice = maxSlice > stream.size()
            ? stream.size() - fed
            : std::min(stream.size() - fed, 1 + static_cast<qsizetype>(seed >> 8) % maxSlice);
        decoder.feed(stream.sliced(fed, slice));
        fed += slice;
        while (auto message = decoder.next())
            out.messages.append(std::move(*message));
        // Nothing is held beyond what came in, and a broken stream holds nothing.
        check(decoder.pending() <= fed);
        check(!decoder.isBroken() || decoder.pending() == 0);
    }
    out.broken = decoder.isBroken();
    out.pending = decoder.pending();
    if (out.broken) {
        decoder.feed(QByteArrayView("\0\0\0\x0b", 4));
        check(decoder.pending() == 0 && !decoder.next());
    }
    return out;
}

void decodeStream(QByteArrayView stream, quint8 how)
{
    const qsizetype slices[] = {1, 2, 3, 7, 16, 64, 4096, stream.size() + 1};
    const Decoded whole = decode(stream, stream.size() + 1, 0);
    const Decoded sliced = decode(stream, slices[how & 7], how);
    check(sliced.messages == whole.messages);
    check(sliced.broken == whole.broken && sliced.pending == whole.pending);

    // Decoding is strict, so encoding gives back the very bytes of each frame.
    QByteArray again;
    for (const Message &message : whole.messages) {
        const std::optional<QByteArray> frame = RoomProtocol::encode(message);
        check(frame.has_value());
        check(RoomProtocol::decodePayload(QByteArrayView(*frame).sliced(4)) == message);
        again += *frame;
    }
    check(stream.startsWith(again));
    if (!whole.broken)
        check(again.size() + whole.pending == stream.size());
}

// A message made of the bytes: whatever encodes must decode to itself in any
// slicing; a field holding a NUL must not encode.
void encodeMessage(QByteArrayView bytes, quint8 how)
{
    if (bytes.size() < 8)
        return;
    Message message;
    message.kind = static_cast<RoomProtocol::Kind>(1 + static_cast<quint8>(bytes[0]) % 7);
    message.flags = static_cast<quint8>(bytes[1]) & RoomProtocol::HasText;
    message.id = qFromBigEndian<quint32>(bytes.data() + 2);
    message.mode = qFromBigEndian<qint16>(bytes.data() + 6);
    bytes = bytes.sliced(8);
    // The fields are the rest cut at its first three 0xFF bytes.
    QByteArray *fields[] = {&message.app, &message.target, &message.text, &message.status};
    for (QByteArray *field : fields) {
        const qsizetype end = field == fields[3] ? -1 : bytes.indexOf('\xFF');
        *field = (end < 0 ? bytes : bytes.first(end)).toByteArray();
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
    }
    const bool nul = message.app.contains('\0') || message.target.contains('\0') || message.text.contains('\0')
        || message.status.contains('\0');
    const std::optional<QByteArray> frame = RoomProtocol::encode(message);
    check(frame.has_value() != nul);
    if (!frame)
        return;
    const Decoded decoded = decode(*frame, 1 + how % 13, how);
    check(decoded.messages == QList<Message>{message});
    check(!decoded.broken && decoded.pending == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArrayView rest(data + 1, static_cast<qsizetype>(size - 1));
    if (data[0] & 0x80)
        encodeMessage(rest, data[0]);
    else
        decodeStream(rest, data[0]);
    return 0;
}
