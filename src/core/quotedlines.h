#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The text files of settings, prizes and macros: one value a record, written
// as the text in double quotes followed by CR LF, in Windows-1252. Reading
// goes field by field: a field that begins with a double quote runs to the
// closing quote (line breaks included) and loses its quotes; any other field
// runs to the next comma or line end.
//
// A double quote inside a value is written twice, and two quotes inside a
// quoted field read back as one, so every value survives a round trip. A
// file without doubled quotes reads exactly as before.
namespace QuotedLines {

QByteArray write(const QStringList &values);

class Reader
{
public:
    explicit Reader(QByteArray bytes);

    // The next field, or nothing at the end of the file.
    std::optional<QString> next();

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipToNextField();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

} // namespace QuotedLines
