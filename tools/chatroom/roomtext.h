#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Text as the room keeps it: Windows-1252 bytes, one transcript line at a
// time. What comes from a person (commands in UTF-8, the window's fields) is
// checked strictly here: a character the code page lacks is refused rather
// than turned into '?', so nothing reaches the transcript changed.
namespace RoomText {

// A transcript line from UTF-8: refuses invalid UTF-8, NUL, CR and LF, and
// characters outside the code page. The reason goes to error.
std::optional<QByteArray> fromUtf8(QByteArrayView utf8, QString *error);
// The same check for text that is already Unicode.
std::optional<QByteArray> fromUnicode(QStringView text, QString *error);

QString toUnicode(QByteArrayView bytes);

// A transcript file's bytes in the code page, lines ending in LF or CR LF,
// turned into lines joined by CR LF. Refuses NUL bytes.
std::optional<QByteArray> normalizeTranscript(QByteArrayView bytes, QString *error);
std::optional<QByteArray> readTranscriptFile(const QString &path, QString *error);

// Line breaks in a text that the program sends would split it into lines of
// their own; the room shows them as blanks instead.
QByteArray flattenLine(QByteArray text);

} // namespace RoomText
