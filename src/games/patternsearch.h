#pragma once

#include <QStringView>

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

    // A trie node; its children form a list through nextSibling, since most
    // nodes have one child and few have more than a handful.
    struct Node
    {
        char16_t c = 0;
        int firstChild = -1;
        int nextSibling = -1;
        int fail = 0;
        int pattern = -1;
        qsizetype lastText = -1;
    };
    std::vector<Node> m_nodes{Node{}};
    std::vector<int> m_terminals;    // pattern -> node
    std::vector<int> m_breadthFirst; // nodes, shallowest first
    bool m_propagated = false;
};
