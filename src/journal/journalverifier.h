#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

struct JournalContents;

// What checking a journal found: how many draws it proved and what the
// room should know besides (restores, draws made again, sealed draws), or
// the first entry that does not match and why.
struct JournalVerdict
{
    bool ok = false;
    int draws = 0;
    // "Lists restored to entry 40 at entry 52", one a line, in the file's order.
    QStringList notes;
    // The entry that does not match and its line; seq 0 for the header or
    // the file itself (line 0).
    qint64 seq = 0;
    int line = 0;
    QString reason;

    // "12 draws verified" and the notes, one a line, or
    // "Entry 57 (line 58) does not match: <reason>".
    QString text() const;
};

// Checks a journal from its first line: every line is in the journal's own
// form and follows the line before it (its "prev" is that line's hash, its
// "seq" one more), every list edit fits the lists replayed so far, every
// pick comes out again (the same players list, the index the seed gives, the
// winner at that index), every draw names the winners picked for it, and
// under a seal every draw number is new and, once the key is revealed, every
// seed is the one the key gives.
class JournalVerifier
{
public:
    // The keys a journal reveals, each matching its seal: commitment -> key.
    using Keys = QHash<QByteArray, QByteArray>;

    // otherRuns: journals of the same evening's other runs, whose revealed
    // keys check this one's sealed draws too (a game sealed before a restart
    // is revealed in the next run's journal).
    static JournalVerdict verify(const QString &path, const QStringList &otherRuns = {});
    static JournalVerdict verify(const JournalContents &contents, const Keys &revealedElsewhere = {},
                                 const QHash<QByteArray, QString> &revealedIn = {});
    static Keys revealedKeys(const JournalContents &contents);
};
