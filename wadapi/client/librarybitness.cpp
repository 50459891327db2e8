#include "librarybitness.h"

#include <QFile>

#include <cstring>

namespace {

// Enough for the DOS stub's pointer and a PE header at the usual place; a
// header further in is read to its end, but never past this cap.
constexpr qint64 kUsualHeaderBytes = 4096;
constexpr qint64 kMaxHeaderBytes = qint64{1024} * 1024;
constexpr qsizetype kPeOffsetField = 0x3C;

quint32 littleEndian(const QByteArray &bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

int ofPortableExecutable(const QByteArray &header)
{
    // The DOS header's last field points at "PE\0\0", followed by the machine.
    if (header.size() < kPeOffsetField + 4)
        return 0;
    const qint64 pe = littleEndian(header, kPeOffsetField, 4);
    if (header.size() < pe + 6 || std::memcmp(header.constData() + pe, "PE\0\0", 4) != 0)
        return 0;
    switch (littleEndian(header, static_cast<qsizetype>(pe) + 4, 2)) {
    case 0x014C: // x86
        return 32;
    case 0x8664: // x64
    case 0xAA64: // ARM64
        return 64;
    default:
        return 0;
    }
}

} // namespace

int LibraryBitness::ofHeader(const QByteArray &header)
{
    if (header.startsWith("MZ"))
        return ofPortableExecutable(header);
    if (header.startsWith("\x7F"
                          "ELF")
        && header.size() > 4) {
        // EI_CLASS: 1 for 32-bit, 2 for 64-bit.
        switch (header.at(4)) {
        case 1:
            return 32;
        case 2:
            return 64;
        default:
            return 0;
        }
    }
    return 0;
}

int LibraryBitness::ofFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    QByteArray header = file.read(kUsualHeaderBytes);
    if (header.startsWith("MZ") && header.size() >= kPeOffsetField + 4) {
        const qint64 end = qint64{littleEndian(header, kPeOffsetField, 4)} + 6;
        if (end > header.size() && end <= kMaxHeaderBytes)
            header += file.read(end - header.size());
    }
    return ofHeader(header);
}
