#pragma once

#include <QString>
#include <QStringList>

class FileStore;

// Settings.txt and Prizes.txt: a fixed number of single-line values in the
// quoted-line format.
namespace ValueFile {

inline constexpr char16_t kSettings[] = u"Settings.txt";
inline constexpr char16_t kPrizes[] = u"Prizes.txt";

// At most `count` values from the file, fewer when it is missing or short.
// A damaged file may hold line breaks or NULs inside a value; line breaks
// become blanks and NULs are dropped, since the boxes hold one line.
QStringList read(const FileStore &store, const QString &fileName, int count);

bool write(FileStore &store, const QString &fileName, const QStringList &values);

} // namespace ValueFile
