#pragma once

#include <QString>

struct JournalContents;

// What checking a journal found: how many draws it proved, or the first
// entry that does not match and why.
struct JournalVerdict
{
    bool ok = false;
    int draws = 0;
    // The entry that does not match and its line; seq 0 for the header or
    // the file itself (line 0).
    qint64 seq = 0;
    int line = 0;
    QString reason;

    // "12 draws verified", or "Entry 57 (line 58) does not match: <reason>".
    QString text() const;
};

// Checks a journal from its first line: every entry follows the line before
// it (its "prev" is that line's hash, its "seq" one more), every list edit
// fits the lists replayed so far, and every pick comes out again: the same
// players list, the index the seed gives, the winner at that index.
class JournalVerifier
{
public:
    static JournalVerdict verify(const QString &path);
    static JournalVerdict verify(const JournalContents &contents);
};
