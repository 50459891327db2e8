#include "chat/patternsearch.h"

#include <algorithm>
#include <deque>

namespace {

quint64 edgeKey(int node, char16_t c)
{
    return (static_cast<quint64>(node) << 16) | c;
}

} // namespace

int PatternSearch::child(int node, char16_t c) const
{
    const auto edge = m_edges.find(edgeKey(node, c));
    return edge == m_edges.end() ? -1 : edge->second;
}

int PatternSearch::add(QStringView pattern)
{
    int node = 0;
    for (const QChar c : pattern) {
        int next = child(node, c.unicode());
        if (next < 0) {
            next = static_cast<int>(m_nodes.size());
            m_nodes.push_back(Node{});
            m_edges.emplace(edgeKey(node, c.unicode()), next);
        }
        node = next;
    }
    const auto known = std::find(m_terminals.cbegin(), m_terminals.cend(), node);
    if (known != m_terminals.cend())
        return static_cast<int>(known - m_terminals.cbegin());
    m_terminals.push_back(node);
    return static_cast<int>(m_terminals.size() - 1);
}

void PatternSearch::build()
{
    // Children by parent, to walk the trie breadth first.
    std::vector<std::vector<std::pair<char16_t, int>>> children(m_nodes.size());
    for (const auto &[key, node] : m_edges)
        children[key >> 16].emplace_back(static_cast<char16_t>(key & 0xFFFF), node);

    std::deque<int> queue{0};
    m_breadthFirst.clear();
    while (!queue.empty()) {
        const int node = queue.front();
        queue.pop_front();
        m_breadthFirst.push_back(node);
        for (const auto &[c, next] : children[node]) {
            // The longest proper suffix of next's path that is also a path.
            int target = -1;
            if (node != 0) {
                int fail = m_nodes[node].fail;
                target = child(fail, c);
                while (target < 0 && fail != 0) {
                    fail = m_nodes[fail].fail;
                    target = child(fail, c);
                }
            }
            m_nodes[next].fail = target >= 0 ? target : 0;
            queue.push_back(next);
        }
    }
}

void PatternSearch::scan(QStringView text, qsizetype textIndex)
{
    m_propagated = false;
    int node = 0;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        int next = child(node, c);
        while (next < 0 && node != 0) {
            node = m_nodes[node].fail;
            next = child(node, c);
        }
        node = next < 0 ? 0 : next;
        m_nodes[node].lastText = textIndex;
    }
}

qsizetype PatternSearch::lastTextOf(int pattern)
{
    if (!m_propagated) {
        // A state found also means every pattern on its chain of failure
        // links was found; hand the latest text down that chain, deepest first.
        for (auto it = m_breadthFirst.crbegin(); it != m_breadthFirst.crend(); ++it) {
            Node &node = m_nodes[*it];
            Node &fail = m_nodes[node.fail];
            if (*it != 0)
                fail.lastText = std::max(fail.lastText, node.lastText);
        }
        m_propagated = true;
    }
    return m_nodes[m_terminals.at(pattern)].lastText;
}
