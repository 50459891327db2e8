#include "roomtext.h"

#include "core/ansi.h"
#include "roomprotocol.h"

#include <QFile>
#include <QStringDecoder>

namespace RoomText {

std::optional<QByteArray> fromUtf8(QByteArrayView utf8, QString *error)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(utf8);
    if (decoder.hasError()) {
        *error = QStringLiteral("the text is not valid UTF-8");
        return std::nullopt;
    }
    return fromUnicode(text, error);
}

std::optional<QByteArray> fromUnicode(QStringView text, QString *error)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair)
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
        if (code == U'\0' || code == U'\r' || code == U'\n') {
            *error = QStringLiteral("the text holds a NUL or a line break");
            return std::nullopt;
        }
        // Ansi::encode writes '?' for what the code page lacks; a round trip shows it.
        const QString one = QString::fromUcs4(&code, 1);
        const QByteArray byte = Ansi::encode(one);
        if (Ansi::decode(byte) != one) {
            *error = QStringLiteral("U+%1 is not in the Windows-1252 code page")
                         .arg(QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0'));
            return std::nullopt;
        }
        bytes.append(byte);
        i += pair ? 1 : 0;
    }
    return bytes;
}

QString toUnicode(QByteArrayView bytes)
{
    return Ansi::decode(bytes);
}

std::optional<QByteArray> normalizeTranscript(QByteArrayView bytes, QString *error)
{
    if (bytes.contains('\0')) {
        *error = QStringLiteral("the file holds a NUL byte");
        return std::nullopt;
    }
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 32);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!out.isEmpty() || start > 0)
            out.append("\r\n");
        out.append(line);
        start = end + 1;
    }
    if (out.size() > RoomProtocol::kMaxText) {
        *error = QStringLiteral("the transcript is larger than %1 MiB").arg(RoomProtocol::kMaxText >> 20);
        return std::nullopt;
    }
    return out;
}

std::optional<QByteArray> readTranscriptFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // Read in pieces up to the bound: a device such as /dev/zero reports no
    // size and never ends.
    const qsizetype bound = RoomProtocol::kMaxText * 2;
    QByteArray bytes;
    for (;;) {
        char piece[65536];
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0) {
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            return std::nullopt;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > bound) {
            *error = QStringLiteral("%1 is larger than %2 MiB").arg(path).arg(RoomProtocol::kMaxText >> 20);
            return std::nullopt;
        }
        bytes.append(piece, static_cast<qsizetype>(got));
    }
    auto text = normalizeTranscript(bytes, error);
    if (!text)
        *error = QStringLiteral("%1: %2").arg(path, *error);
    return text;
}

QByteArray flattenLine(QByteArray text)
{
    text.replace('\r', ' ');
    text.replace('\n', ' ');
    return text;
}

} // namespace RoomText
