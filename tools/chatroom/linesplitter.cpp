#include "linesplitter.h"

#include <utility>

QList<LineSplitter::Line> LineSplitter::feed(QByteArrayView bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            if (!m_skipping)
                m_partial.append(bytes.sliced(start));
            if (m_partial.size() > kMaxLine) {
                m_partial.clear();
                m_skipping = true;
                lines.append(std::nullopt);
            }
            break;
        }
        if (m_skipping) {
            m_skipping = false;
        } else {
            m_partial.append(bytes.sliced(start, end - start));
            QByteArray line = std::exchange(m_partial, {});
            if (line.size() > kMaxLine)
                lines.append(std::nullopt);
            else
                lines.append(std::move(line));
        }
        start = end + 1;
    }
    return lines;
}

std::optional<QByteArray> LineSplitter::finish()
{
    const bool skipping = std::exchange(m_skipping, false);
    QByteArray last = std::exchange(m_partial, {});
    if (skipping || last.isEmpty())
        return std::nullopt;
    return last;
}
