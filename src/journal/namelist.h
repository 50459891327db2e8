#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// A list of names for replaying a journal, where a sorted list of 100,000
// players takes each new name in the middle: the names sit in short chunks,
// so an insert or a removal anywhere moves the names of one chunk, not half
// the list. names() gives them as one list, built again only after a change.
class NameList
{
public:
    NameList() = default;
    explicit NameList(const QStringList &names);

    qsizetype size() const { return m_size; }
    const QString &at(qsizetype index) const;
    void insert(qsizetype index, const QString &name);
    void removeAt(qsizetype index);
    void clear();

    // All the names in order. Not for two threads at once: it fills a cache.
    const QStringList &names() const;

    bool operator==(const NameList &other) const { return m_size == other.m_size && names() == other.names(); }
    bool operator==(const QStringList &other) const { return m_size == other.size() && names() == other; }

private:
    // The chunk that holds index and the place in it; the end of the last
    // chunk for index size().
    std::pair<std::size_t, qsizetype> locate(qsizetype index) const;

    std::vector<QStringList> m_chunks;
    qsizetype m_size = 0;
    mutable std::optional<QStringList> m_names;
};
