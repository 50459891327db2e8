#include "core/quotedlines.h"

#include "core/ansi.h"

namespace QuotedLines {

QByteArray write(const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values) {
        bytes.append('"');
        bytes.append(Ansi::encode(value).replace("\"", "\"\""));
        bytes.append("\"\r\n");
    }
    return bytes;
}

Reader::Reader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{}

bool Reader::atLineEnd() const
{
    return m_pos < m_bytes.size() && (m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n');
}

void Reader::skipLineEnd()
{
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
}

// After a closing quote: whatever stands before the next comma or line end
// belongs to no field.
void Reader::skipToNextField()
{
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !atLineEnd())
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',')
        ++m_pos;
    else
        skipLineEnd();
}

std::optional<QString> Reader::next()
{
    while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
        ++m_pos;
    if (m_pos >= m_bytes.size())
        return std::nullopt;

    if (m_bytes[m_pos] != '"') {
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !atLineEnd())
            ++m_pos;
        const QString field = Ansi::decode(QByteArrayView(m_bytes).sliced(start, m_pos - start));
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',')
            ++m_pos;
        else
            skipLineEnd();
        return field;
    }

    QByteArray field;
    ++m_pos;
    while (m_pos < m_bytes.size()) {
        const qsizetype quote = m_bytes.indexOf('"', m_pos);
        if (quote < 0) { // no closing quote: the field runs to the end of the file
            field.append(QByteArrayView(m_bytes).sliced(m_pos));
            m_pos = m_bytes.size();
            break;
        }
        field.append(QByteArrayView(m_bytes).sliced(m_pos, quote - m_pos));
        m_pos = quote + 1;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            field.append('"');
            ++m_pos;
            continue;
        }
        skipToNextField();
        break;
    }
    return Ansi::decode(field);
}

} // namespace QuotedLines
