#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class FileStore;
struct PlayerLists;

// Recover.bak: the five player lists, saved after most game actions and
// brought back by the "Recover" buttons. The file is a sequence of two-line
// records, the list's name then one entry, every line ended by CR LF, in
// Windows-1252; all of lstAvatars first, then List1 to List4.
class Recovery : public QObject
{
    Q_OBJECT

public:
    static constexpr char16_t kFileName[] = u"Recover.bak";

    Recovery(PlayerLists &lists, FileStore &store, QObject *parent = nullptr);

    // Saves the lists, replacing the whole file. While a restore is running
    // the save waits and happens as soon as the restore has finished, so
    // the file never gets a half-restored state. False when it failed; the
    // lists are untouched either way.
    bool WriteRecovery();

    // Brings the lists back from the file, letting the event loop run after
    // each entry so a long file keeps the window answering. A missing or
    // unreadable file leaves the lists as they are. False when nothing was
    // restored, including a restore asked for while one is running.
    bool ReadRecovery();

    bool isRestoring() const { return m_restoring; }

    // The file's bytes for the lists as they stand.
    static QByteArray format(const PlayerLists &lists);

    // The records of a file in file order: the list an entry belongs to (its
    // place in PlayerLists::all()) and the entry.
    using Records = std::vector<std::pair<int, QString>>;
    static Records parse(const QByteArray &bytes);

private:
    PlayerLists &m_lists;
    FileStore &m_store;
    bool m_restoring = false;
    bool m_saveWaiting = false;
};
