#include "games/patternsearch.h"

#include <algorithm>

int PatternSearch::child(int node, char16_t c) const
{
    for (int next = m_nodes[node].firstChild; next >= 0; next = m_nodes[next].nextSibling) {
        if (m_nodes[next].c == c)
            return next;
    }
    return -1;
}

int PatternSearch::add(QStringView pattern)
{
    int node = 0;
    for (const QChar qc : pattern) {
        const char16_t c = qc.unicode();
        int next = child(node, c);
        if (next < 0) {
            next = static_cast<int>(m_nodes.size());
            Node added;
            added.c = c;
            added.nextSibling = m_nodes[node].firstChild;
            m_nodes.push_back(added);
            m_nodes[node].firstChild = next;
        }
        node = next;
    }
    if (m_nodes[node].pattern < 0) {
        m_nodes[node].pattern = static_cast<int>(m_terminals.size());
        m_terminals.push_back(node);
    }
    return m_nodes[node].pattern;
}

void PatternSearch::build()
{
    m_breadthFirst.clear();
    m_breadthFirst.reserve(m_nodes.size());
    m_breadthFirst.push_back(0);
    for (std::size_t i = 0; i < m_breadthFirst.size(); ++i) {
        const int node = m_breadthFirst[i];
        for (int next = m_nodes[node].firstChild; next >= 0; next = m_nodes[next].nextSibling) {
            // The longest proper suffix of next's path that is also a path.
            int target = -1;
            if (node != 0) {
                int fail = m_nodes[node].fail;
                target = child(fail, m_nodes[next].c);
                while (target < 0 && fail != 0) {
                    fail = m_nodes[fail].fail;
                    target = child(fail, m_nodes[next].c);
                }
            }
            m_nodes[next].fail = target >= 0 ? target : 0;
            m_breadthFirst.push_back(next);
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
            if (*it == 0)
                continue;
            Node &node = m_nodes[*it];
            Node &fail = m_nodes[node.fail];
            fail.lastText = std::max(fail.lastText, node.lastText);
        }
        m_propagated = true;
    }
    return m_nodes[m_terminals.at(pattern)].lastText;
}
