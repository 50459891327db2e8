#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content as one step: the bytes are written beside it and
// renamed over it, so a crash or a full disk never leaves half a file and
// never loses the previous one. On failure the reason comes back, else an
// empty text.
QString writeAtomically(const QString &path, const QByteArray &bytes);
