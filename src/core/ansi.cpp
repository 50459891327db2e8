#include "core/ansi.h"

#include <array>
#include <cstring>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Whether any byte lies in 0x80 to 0x9F, eight bytes at a time: a byte
// matches when its top three bits are 100.
bool hasHighControls(QByteArrayView bytes)
{
    constexpr quint64 kTop3 = 0xE0E0E0E0E0E0E0E0ULL;
    constexpr quint64 kWanted = 0x8080808080808080ULL;
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + i, 8);
        const quint64 diff = (word & kTop3) ^ kWanted; // a zero byte where a byte matches
        if ((diff - kOnes) & ~diff & kWanted)
            return true;
    }
    for (; i < bytes.size(); ++i) {
        if ((static_cast<unsigned char>(bytes[i]) & 0xE0) == 0x80)
            return true;
    }
    return false;
}

} // namespace

namespace Ansi {

QString decode(QByteArrayView bytes)
{
    // Latin-1 is the code page but for 0x80 to 0x9F: convert in bulk, which
    // is fast, and mend those few afterwards when there are any.
    QString text = QString::fromLatin1(bytes);
    if (!hasHighControls(bytes))
        return text;
    char16_t *chars = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (chars[i] >= 0x80 && chars[i] <= 0x9F)
            chars[i] = kHighControls[chars[i] - 0x80];
    }
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append('?');
            ++i;
            continue;
        }
        bytes.append(encodeOne(c.unicode()));
    }
    return bytes;
}

} // namespace Ansi
