#include "core/ansi.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
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

} // namespace

namespace Ansi {

QString decode(QByteArrayView bytes)
{
    // Latin-1 is the code page but for 0x80 to 0x9F: convert in bulk, which
    // is fast, and mend those few afterwards when there are any.
    QString text = QString::fromLatin1(bytes);
    unsigned char high = 0;
    for (const char c : bytes)
        high |= static_cast<unsigned char>((static_cast<unsigned char>(c) & 0xE0) == 0x80);
    if (!high)
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
