#include "roomtranscript.h"

#include "roomprotocol.h"

RoomTranscript::RoomTranscript(QObject *parent)
    : QObject(parent)
    , m_maxSize(RoomProtocol::kMaxText)
{}

void RoomTranscript::append(const QByteArray &line)
{
    if (m_hasLines)
        m_text.append("\r\n");
    m_text.append(line);
    m_hasLines = true;
    if (m_text.size() > m_maxSize)
        dropOldestLines();
    emit lineAppended(line);
}

void RoomTranscript::replace(const QByteArray &text)
{
    m_text = text;
    m_hasLines = !text.isEmpty();
    if (m_text.size() > m_maxSize)
        dropOldestLines();
    emit replaced();
}

void RoomTranscript::clear()
{
    replace({});
}

void RoomTranscript::dropOldestLines()
{
    // Drop an eighth more than needed, so a full window does not move all its
    // bytes for every new line.
    const qsizetype excess = m_text.size() - (m_maxSize - m_maxSize / 8);
    const qsizetype cut = m_text.indexOf("\r\n", excess);
    if (cut < 0) {
        // A single line longer than the whole window: keep its end.
        m_text = m_text.right(m_maxSize);
        return;
    }
    m_text.remove(0, cut + 2);
}
