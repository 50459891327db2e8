#include "chat/tokenizer.h"

QString Tokenizer::GetToken(const QString &text, const QString &delimiter)
{
    if (!text.isEmpty()) {
        m_text = text;
        m_position = 0;
    }
    const qsizetype at = delimiter.isEmpty() ? -1 : m_text.indexOf(delimiter, m_position);
    if (at < 0) {
        QString token = m_text.mid(m_position);
        m_text.clear();
        m_position = 0;
        return token;
    }
    QString token = m_text.mid(m_position, at - m_position);
    m_position = at + delimiter.size();
    return token;
}
