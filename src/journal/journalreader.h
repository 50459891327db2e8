#pragma once

#include "journal/journalfields.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// One entry of a journal: its object and the exact bytes of its line
// (without the line feed), which the next entry's "prev" hashes.
struct JournalEntry
{
    qint64 seq() const { return object.value(JournalFields::kSeq).toInteger(); }
    QString op() const { return object.value(JournalFields::kOp).toString(); }

    QJsonObject object;
    QByteArray line;
    int lineNumber = 0;
};

// What a journal file holds up to its first damage.
struct JournalContents
{
    QJsonObject header;
    QByteArray headerLine; // empty when the file holds no complete line
    QList<JournalEntry> entries;
    // Why reading stopped early, and at which line (0: the file itself);
    // empty when the whole file was read.
    QString damage;
    int damagedLine = 0;
    // Lines a failed write left, passed over (the entries chain past them).
    int tornLines = 0;
};

// Reads a journal. A last line that a crash cut short, without its line feed
// or not valid JSON, is no damage: it never counted, and is left out; nor is
// a line a failed write left in the middle, which the entry after it chains
// past. Any other line that is not a JSON object, and a header that is not a
// journal's of a known version, is damage; the entries before it still come
// back.
class JournalReader
{
public:
    // Files larger than this are damaged, not a journal: only their start is read.
    static constexpr qint64 kMaxBytes = qint64{256} * 1024 * 1024;

    static JournalContents read(const QString &path);
    static JournalContents parse(QByteArrayView bytes);
};
