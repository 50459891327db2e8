#include "roomprotocoltest.h"

#include "framedecoder.h"
#include "roomprotocol.h"

#include <QTest>
#include <QtEndian>

using RoomProtocol::Kind;
using RoomProtocol::Message;

Q_DECLARE_METATYPE(RoomProtocol::Message)

namespace {

QByteArray everyByteButNul()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

Message message(Kind kind, quint32 id, const QByteArray &text = {}, const QByteArray &status = {})
{
    Message m;
    m.kind = kind;
    m.id = id;
    m.app = "raffler";
    m.text = text;
    m.status = status;
    return m;
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
    QByteArray payload;
    payload.append(static_cast<char>(version));
    payload.append(static_cast<char>(kind));
    payload.append(static_cast<char>(flags));
    payload += u32(7) + QByteArray(2, '\0');
    for (const QByteArray &field : fields)
        payload += u32(static_cast<quint32>(field.size())) + field;
    payload += trailer;
    return u32(static_cast<quint32>(payload.size())) + payload;
}

} // namespace

void RoomProtocolTest::roundTrips_data()
{
    QTest::addColumn<Message>("sent");

    Message communicate = message(Kind::Communicate, 1, "Zo\xEB wins 5\x80");
    communicate.mode = -2;
    communicate.target = "Bob";
    QTest::newRow("communicate") << communicate;
    QTest::newRow("hello") << message(Kind::Hello, 0xFFFFFFFFu);
    Message answer = message(Kind::Answer, 9, everyByteButNul(), "0");
    answer.flags = RoomProtocol::HasText;
    QTest::newRow("answer with every byte") << answer;
    QTest::newRow("answer with an empty text") << [] {
        Message m = message(Kind::Answer, 3, {}, "");
        m.flags = RoomProtocol::HasText;
        return m;
    }();
    QTest::newRow("late text") << message(Kind::LateText, 4, QByteArray(100000, 'x'));
}

void RoomProtocolTest::roundTrips()
{
    QFETCH(Message, sent);
    const auto bytes = RoomProtocol::encode(sent);
    QVERIFY(bytes);
    FrameDecoder decoder;
    decoder.feed(*bytes);
    const auto received = decoder.next();
    QVERIFY(received);
    QVERIFY(*received == sent);
    QVERIFY(!decoder.next());
    QCOMPARE(decoder.pending(), 0);
}

void RoomProtocolTest::decodesInAnySlicing_data()
{
    QTest::addColumn<int>("piece");
    for (const int piece : {1, 2, 3, 5, 7, 13, 64, 100000})
        QTest::addRow("pieces of %d", piece) << piece;
}

void RoomProtocolTest::decodesInAnySlicing()
{
    QFETCH(int, piece);
    const QList<Message> sent = {message(Kind::Hello, 1), message(Kind::GetAllText, 2),
                                 message(Kind::LateText, 3, everyByteButNul()), message(Kind::Bye, 4)};
    QByteArray stream;
    for (const Message &m : sent)
        stream += *RoomProtocol::encode(m);

    FrameDecoder decoder;
    QList<Message> received;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        decoder.feed(QByteArrayView(stream).sliced(at, std::min<qsizetype>(piece, stream.size() - at)));
        while (auto m = decoder.next())
            received.append(*m);
    }
    QVERIFY(!decoder.isBroken());
    QCOMPARE(received.size(), sent.size());
    for (qsizetype i = 0; i < sent.size(); ++i)
        QVERIFY(received[i] == sent[i]);
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
    QTest::newRow("unknown kind") << frame(1, 99, 0, fields);
    QTest::newRow("unknown flag") << frame(1, 6, 0x80, fields);
    QTest::newRow("missing field") << frame(1, 1, 0, {"app", "", "text"});
    QTest::newRow("trailing byte") << frame(1, 1, 0, fields, "!");
    QTest::newRow("nul inside a text") << frame(1, 4, 0, {"app", "", QByteArray("a\0b", 3), "0"});
    QTest::newRow("field longer than its frame")
        << frame(1, 1, 0, {"app", "", "text"}, u32(1000) + "0");
    QTest::newRow("field length wraps around")
        << frame(1, 1, 0, {"app", "", "text"}, u32(0xFFFFFFFFu) + "0");
    QTest::newRow("frame shorter than its header") << u32(3) + QByteArray("\x01\x01\x00", 3);
}

void RoomProtocolTest::refusesMalformedFrames()
{
    QFETCH(QByteArray, bytes);
    FrameDecoder decoder;
    // A good frame first: it comes through, the bad one breaks the stream.
    decoder.feed(*RoomProtocol::encode(message(Kind::Hello, 1)));
    decoder.feed(bytes);
    decoder.feed(*RoomProtocol::encode(message(Kind::Bye, 2)));
    const auto first = decoder.next();
    QVERIFY(first);
    QCOMPARE(first->kind, Kind::Hello);
    QVERIFY(!decoder.next());
    QVERIFY(decoder.isBroken());
    QVERIFY(!decoder.next());
    QCOMPARE(decoder.pending(), 0);
}

void RoomProtocolTest::waitsForTheRestOfAFrame()
{
    // A frame of the largest size is announced but not there yet: no error,
    // nothing allocated for it in advance.
    FrameDecoder decoder;
    decoder.feed(u32(static_cast<quint32>(RoomProtocol::kMaxPayload)));
    decoder.feed(QByteArray(1000, 'x'));
    QVERIFY(!decoder.next());
    QVERIFY(!decoder.isBroken());
    QCOMPARE(decoder.pending(), 1004);
}

void RoomProtocolTest::refusesToEncodeANul()
{
    QVERIFY(!RoomProtocol::encode(message(Kind::Communicate, 1, QByteArray("a\0b", 3))));
    Message m = message(Kind::Hello, 1);
    m.app = QByteArray("x\0", 2);
    QVERIFY(!RoomProtocol::encode(m));
}
