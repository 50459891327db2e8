// Reading and checking an arbitrary journal, as "Verify draws" and a restore
// do: nothing may crash, and the entries that come back must make a journal
// again that reads and verifies the same.
#include "fuzzcheck.h"
#include "journal/journalline.h"
#include "journal/journalreader.h"
#include "journal/journalrestore.h"
#include "journal/journalverifier.h"
#include "scratchstore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>

namespace {

bool sameVerdict(const JournalVerdict &a, const JournalVerdict &b)
{
    return a.ok == b.ok && a.draws == b.draws && a.seq == b.seq && a.line == b.line && a.reason == b.reason;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    scratchDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const JournalContents contents = JournalReader::parse(bytes);
    const JournalVerdict verdict = JournalVerifier::verify(contents);
    check(verdict.ok == verdict.reason.isEmpty() && verdict.draws >= 0 && !verdict.text().isEmpty());
    check(contents.damage.isEmpty() == (contents.damagedLine == 0));

    // Each entry is one line of the file, in order (torn lines passed over).
    QByteArray again = contents.headerLine + '\n';
    for (qsizetype i = 0; i < contents.entries.size(); ++i) {
        const JournalEntry &entry = contents.entries[i];
        check(!entry.line.contains('\n') && entry.lineNumber >= i + 2
              && entry.lineNumber <= i + 2 + contents.tornLines);
        // A line in the program's own form is its object written out, and
        // reads back to it.
        if (JournalLine::entry(entry.object) == entry.line)
            check(QJsonDocument::fromJson(entry.line).object() == entry.object);
        again += entry.line + '\n';
    }
    if (contents.headerLine.isEmpty()) {
        check(contents.entries.isEmpty());
    } else {
        // Without what the reader left out, the journal reads whole and
        // verifies as far as before.
        const JournalContents reread = JournalReader::parse(again);
        check(reread.damage.isEmpty() && reread.header == contents.header);
        check(reread.entries.size() == contents.entries.size());
        for (qsizetype i = 0; i < reread.entries.size(); ++i)
            check(reread.entries[i].line == contents.entries[i].line);
        const JournalVerdict second = JournalVerifier::verify(reread);
        if (second.ok && !contents.damage.isEmpty())
            check(!verdict.ok && verdict.line == contents.damagedLine && verdict.draws == second.draws);
        else if (contents.tornLines == 0)
            check(sameVerdict(second, verdict));
        else // the same verdict, with the line numbers of a file without the torn lines
            check(second.ok == verdict.ok && second.seq == verdict.seq && second.reason == verdict.reason);
    }

    // The same entries chained anew, so the replay and the picks get checked
    // whatever the input's hashes were.
    if (!contents.headerLine.isEmpty()) {
        QByteArray chained = contents.headerLine + '\n';
        QByteArray previous = contents.headerLine;
        for (qsizetype i = 0; i < contents.entries.size(); ++i) {
            QJsonObject object = contents.entries[i].object;
            object.insert(JournalFields::kSeq, i + 1);
            object.insert(JournalFields::kPrev,
                          QString::fromLatin1(QCryptographicHash::hash(previous, QCryptographicHash::Sha256).toHex()));
            previous = JournalLine::entry(object);
            chained += previous + '\n';
        }
        const JournalVerdict rechained = JournalVerifier::verify(JournalReader::parse(chained));
        check(rechained.ok || (rechained.seq == 0 && rechained.line == 1)
              || (rechained.seq >= 1 && rechained.seq <= contents.entries.size()));
        check(!verdict.ok || (rechained.ok && rechained.draws == verdict.draws));
    }

    // Restoring to any entry of a journal that verifies comes out.
    if (verdict.ok && !contents.entries.isEmpty()) {
        const qint64 last = contents.entries.last().seq();
        check(JournalRestore::stateAfter(contents.entries, last).has_value());
    }

    // The same bytes through the file.
    QFile file(scratchDir().filePath(QStringLiteral("journal.jsonl")));
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    check(sameVerdict(JournalVerifier::verify(file.fileName()), verdict));
    return 0;
}
