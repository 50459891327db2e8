#include "journal/namelist.h"

namespace {

// A chunk longer than this splits in two: long enough that finding the chunk
// for an index stays quick, short enough that making room in it does too.
constexpr qsizetype kMaxChunk = 128;

} // namespace

NameList::NameList(const QStringList &names)
    : m_size(names.size())
{
    for (qsizetype from = 0; from < names.size(); from += kMaxChunk / 2)
        m_chunks.push_back(names.mid(from, kMaxChunk / 2));
}

std::pair<std::size_t, qsizetype> NameList::locate(qsizetype index) const
{
    if (index > m_size / 2) { // nearer the end: count from there
        qsizetype start = m_size;
        for (std::size_t chunk = m_chunks.size(); chunk-- > 0;) {
            start -= m_chunks[chunk].size();
            if (index >= start)
                return {chunk, index - start};
        }
    }
    qsizetype start = 0;
    for (std::size_t chunk = 0; chunk < m_chunks.size(); ++chunk) {
        if (index < start + m_chunks[chunk].size())
            return {chunk, index - start};
        start += m_chunks[chunk].size();
    }
    return {m_chunks.size() - 1, m_chunks.back().size()};
}

const QString &NameList::at(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < m_size);
    const auto [chunk, place] = locate(index);
    return m_chunks[chunk].at(place);
}

void NameList::insert(qsizetype index, const QString &name)
{
    Q_ASSERT(index >= 0 && index <= m_size);
    if (m_chunks.empty())
        m_chunks.emplace_back();
    const auto [chunk, place] = locate(index);
    QStringList &names = m_chunks[chunk];
    names.insert(place, name);
    if (names.size() > kMaxChunk) {
        QStringList back = names.sliced(kMaxChunk / 2);
        names.resize(kMaxChunk / 2);
        m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(chunk) + 1, std::move(back));
    }
    ++m_size;
    m_names.reset();
}

void NameList::removeAt(qsizetype index)
{
    Q_ASSERT(index >= 0 && index < m_size);
    const auto [chunk, place] = locate(index);
    m_chunks[chunk].removeAt(place);
    if (m_chunks[chunk].isEmpty())
        m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(chunk));
    --m_size;
    m_names.reset();
}

void NameList::clear()
{
    m_chunks.clear();
    m_size = 0;
    m_names.reset();
}

const QStringList &NameList::names() const
{
    if (!m_names) {
        m_names.emplace();
        m_names->reserve(m_size);
        for (const QStringList &chunk : m_chunks)
            m_names->append(chunk);
    }
    return *m_names;
}
