#pragma once

#include <QStringView>

#include <unordered_map>
#include <vector>

// Finds many patterns in many texts in one pass over each text (an
// Aho-Corasick automaton), and remembers for every pattern the last text
// it was found in. The time is linear in the length of the patterns and the
// texts, however the patterns overlap, so no transcript can slow it down.
class PatternSearch
{
public:
    // Returns the pattern's number; an equal pattern gets the same number.
    int add(QStringView pattern);
    // Call once after the last add() and before the first scan().
    void build();
    // Looks for every pattern in the text, which is numbered `textIndex`;
    // numbers must not decrease from one call to the next.
    void scan(QStringView text, qsizetype textIndex);
    // The number of the last text that held the pattern, or -1.
    qsizetype lastTextOf(int pattern);

private:
    int child(int node, char16_t c) const;

    struct Node
    {
        int fail = 0;
        qsizetype lastText = -1;
    };
    std::vector<Node> m_nodes{Node{}};
    std::unordered_map<quint64, int> m_edges; // (node << 16 | character) -> node
    std::vector<int> m_terminals;              // pattern -> node
    std::vector<int> m_breadthFirst;           // nodes, shallowest first
    bool m_propagated = false;
};
