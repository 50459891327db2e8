#pragma once

#include <QByteArray>
#include <QString>

// Whether a library file was built for a 32-bit or a 64-bit process, read
// from its header: Windows' PE format or the ELF format of Linux. A process
// can only load libraries of its own bitness, and the loader's own error for
// the other kind ("not a valid Win32 application") does not say so.
namespace LibraryBitness {

// 32, 64, or 0 when the bytes are no library header this knows.
int ofHeader(const QByteArray &header);
// The same for a file; 0 when it cannot be read.
int ofFile(const QString &path);
// The bitness of this program.
constexpr int ofProgram()
{
    return static_cast<int>(sizeof(void *)) * 8;
}

} // namespace LibraryBitness
