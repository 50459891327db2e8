#include "roomprotocoltest.h"

#include "framedecoder.h"
#include "roomprotocol.h"

#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using RoomProtocol::Kind;
using RoomProtocol::Message;

namespace {

Message message(Kind kind, quint32 id, const QByteArray &text = {}, quint8 flags = 0)
{
    return Message{.kind = kind, .flags = flags, .id = id, .mode = 0, .app = "raffler"_ba, .target = {}, .text = text,
                   .status = {}};
}

QByteArray u32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A frame written by hand, so malformed ones can be made.
QByteArray frame(quint8 version, quint8 kind, quint8 flags, const QList<QByteArray> &fields,
                 const QByteArray &trailer = {})
{
    QByteArray payload(1, char(version));
    payload += char(kind);
    payload += char(flags);
    payload += u32(7) + QByteArray(2, '\0');
    for (const QByteArray &field : fields)
        payload += u32(static_cast<quint32>(field.size())) + field;
    payload += trailer;
    return u32(static_cast<quint32>(payload.size())) + payload;
}

} // namespace

void RoomProtocolTest::decodesWhatWasEncodedInAnySlicing_data()
{
    QTest::addColumn<int>("piece");
    for (const int piece : {1, 3, 7, 64, 1 << 20})
        QTest::addRow("pieces of %d", piece) << piece;
}

void RoomProtocolTest::decodesWhatWasEncodedInAnySlicing()
{
    QFETCH(int, piece);
    QByteArray everyByteButNul;
    for (int b = 1; b < 256; ++b)
        everyByteButNul += char(b);
    Message communicate = message(Kind::Communicate, 0xFFFFFFFFu, "Zo\xEB wins 5\x80"_ba);
    communicate.mode = -2;
    communicate.target = "Bob"_ba;
    Message answer = message(Kind::Answer, 9, everyByteButNul, RoomProtocol::HasText);
    answer.status = "0"_ba;
    const QList<Message> sent = {communicate, answer, message(Kind::Answer, 3, {}, RoomProtocol::HasText),
                                 message(Kind::LateText, 4, QByteArray(100000, 'x')), message(Kind::Bye, 5)};
    QByteArray stream;
    for (const Message &m : sent)
        stream += RoomProtocol::encode(m).value();

    FrameDecoder decoder;
    QList<Message> received;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        decoder.feed(QByteArrayView(stream).sliced(at, std::min<qsizetype>(piece, stream.size() - at)));
        while (auto m = decoder.next())
            received.append(*m);
    }
    QVERIFY(!decoder.isBroken());
    QVERIFY(received == sent);
    QCOMPARE(decoder.pending(), 0);

    // A frame of the largest size is waited for, not refused.
    decoder.feed(u32(static_cast<quint32>(RoomProtocol::kMaxPayload)) + QByteArray(1000, 'x'));
    QVERIFY(!decoder.next());
    QVERIFY(!decoder.isBroken());
    // Texts travel as C strings: a NUL cannot be sent.
    QVERIFY(!RoomProtocol::encode(message(Kind::Communicate, 1, "a\0b"_ba)));
}

void RoomProtocolTest::refusesMalformedFrames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QList<QByteArray> fields = {"app", "", "text", "0"};

    QTest::newRow("empty frame") << u32(0);
    QTest::newRow("frame beyond the bound") << u32(static_cast<quint32>(RoomProtocol::kMaxPayload) + 1);
    QTest::newRow("largest length") << u32(0xFFFFFFFFu) + QByteArray(64, 'x');
    QTest::newRow("unknown version") << frame(2, 1, 0, fields);
    QTest::newRow("kind zero") << frame(1, 0, 0, fields);
    QTest::newRow("unknown kind") << frame(1, 8, 0, fields);
    QTest::newRow("unknown flag") << frame(1, 6, 0x80, fields);
    QTest::newRow("missing field") << frame(1, 1, 0, {"app", "", "text"});
    QTest::newRow("trailing byte") << frame(1, 1, 0, fields, "!");
    QTest::newRow("nul inside a text") << frame(1, 4, 0, {"app", "", "a\0b"_ba, "0"});
    QTest::newRow("field longer than its frame") << frame(1, 1, 0, {"app", "", "text"}, u32(1000) + "0");
    QTest::newRow("field length wraps around") << frame(1, 1, 0, {"app", "", "text"}, u32(0xFFFFFFFFu) + "0");
    QTest::newRow("frame shorter than its header") << u32(3) + "\x01\x01\x00"_ba;
}

void RoomProtocolTest::refusesMalformedFrames()
{
    QFETCH(QByteArray, bytes);
    // A good frame comes through; the bad one breaks the stream for good.
    FrameDecoder decoder;
    decoder.feed(RoomProtocol::encode(message(Kind::Hello, 1)).value());
    decoder.feed(bytes);
    decoder.feed(RoomProtocol::encode(message(Kind::Bye, 2)).value());
    QCOMPARE(decoder.next().value().kind, Kind::Hello);
    QVERIFY(!decoder.next());
    QVERIFY(decoder.isBroken());
    QVERIFY(!decoder.next());
    QCOMPARE(decoder.pending(), 0);
}
