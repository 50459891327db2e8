#pragma once

#include "journal/journalreader.h"
#include "journal/journalrecord.h"
#include "journal/listrecorder.h"
#include "journal/pick.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>

#include <functional>

struct PlayerLists;

// Writes the evening's journal: one file per run in <directory>/Journal/
// (none for a run that recorded nothing),
// JSON Lines, a header and then one entry for every operation that changes a
// list, a counter or a colour or announces a result (docs/journal.md), and
// one for every raffle pick. Each entry carries the list edits made since the
// one before and the hash of the line before it, so the file can be replayed
// to any entry and every draw checked.
//
// An entry is on disk before append() returns. One that cannot be written
// stays in memory, already numbered and chained, and goes out before the next
// one; a line cut short by a failed write is finished first (or, when the
// file no longer holds what was written, left on a line of its own that
// readers pass over), so a failure never spoils the entries after it.
class JournalWriter : public QObject
{
    Q_OBJECT

public:
    using TimeSource = std::function<QDateTime()>;

    // The header's "journal" and "version".
    static constexpr QLatin1StringView kProgram{"Corvane's Raffler"};
    static constexpr int kVersion = 1;
    static constexpr QLatin1StringView kFolder{"Journal"};

    // now gives the local time of each entry, the system clock when empty.
    // Nothing touches the disk before open() or the first append().
    JournalWriter(PlayerLists &lists, const QString &directory, const QString &programVersion, TimeSource now = {},
                  QObject *parent = nullptr);
    ~JournalWriter() override;

    // Where the journal goes when <directory>/Journal cannot be made or
    // written: the per-user folder the other files fall back to.
    void setFallbackDirectory(const QString &directory) { m_fallbackDirectory = directory; }

    // Creates the file and writes the header; false, with problem(), when not.
    bool open();

    // Writes an entry for the operation op (a short name: "start", "getreg",
    // "draw") with the caller's fields, the list edits since the last entry
    // and the picks noted since. False when it is not on disk yet; problem()
    // says why, and the entry goes out with the next one that succeeds.
    bool append(const QString &op, const QJsonObject &fields = {});
    bool append(const JournalRecord &record);

    // Writes a "pick" entry for a raffle pick at once, before the room hears
    // the winner and before the winner leaves the players list. False as for
    // append().
    bool appendPick(const PickRecord &pick);

    // The file's path once it has been created.
    QString path() const { return m_file.fileName(); }
    // Every entry of this run so far, those still waiting for the disk too.
    const QList<JournalEntry> &entries() const { return m_entries; }
    qint64 lastSeq() const { return m_seq; }
    // Why the last write failed, for the notice in the menu bar; empty after a good one.
    QString problem() const { return m_problem; }

    // A local time with milliseconds and its offset: 2026-12-06T23:14:05.123+01:00.
    static QString timeText(const QDateTime &time);

signals:
    void problemChanged(const QString &problem);
    // An entry was made (it may still wait for the disk; problem() tells).
    void appended(const JournalEntry &entry);

private:
    bool append(const QString &op, const QJsonObject &fields, const QJsonArray &picks);
    QDateTime now() const;
    bool createFile(const QString &directory, QString *reason);
    bool createFile(QString *reason);
    bool writeWaiting();
    QByteArray unwrittenTail() const;
    void setProblem(const QString &problem);

    ListRecorder m_recorder;
    TimeSource m_now;
    QString m_directory;
    QString m_fallbackDirectory;
    QString m_lastingNote; // where the journal went instead; said after every good write
    QDateTime m_started;
    QFile m_file;
    QByteArray m_waiting; // whole lines not yet safely on disk
    qint64 m_written = 0; // the file's bytes that hold whole lines
    QByteArray m_previousHash;
    qint64 m_seq = 0;
    QString m_problem;
    QList<JournalEntry> m_entries;
};
