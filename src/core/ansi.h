#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The chat client and the program's files speak the single-byte Windows
// code page 1252. Decoding never fails: the five bytes the code page leaves
// undefined come back as the control characters of the same value, so every
// byte string survives a round trip. Characters the code page cannot hold
// are written as '?'.
namespace Ansi {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

} // namespace Ansi
