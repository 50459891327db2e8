#pragma once

#include "games/journalhistory.h"
#include "interaction/prompts.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QThread;
struct GameSession;
struct JournalContents;

// The evening's journal in a table, newest last, with a filter over every
// column: what happened, to whom, and when. From a chosen entry the host puts
// the player lists back as they were right after it (after saying yes to
// what will change), exports the shown entries as CSV, or has every draw
// checked. Earlier runs' journals open here too. Reading and checking a
// journal run on a thread of their own, so a long one leaves the window
// responsive; until it is done the window shows a busy cursor and the
// buttons that would read a journal again are off.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    HistoryWindow(GameSession &session, Prompts &prompts, const QString &journalFolder, QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // Shows this run's journal, following it as it grows.
    void showThisEvening();
    // Reads a journal from a file and shows it; the host is told when it is
    // unreadable. Nothing while the window is busy.
    void showFile(const QString &path);
    // True while a journal is being read or checked.
    bool isBusy() const { return m_worker != nullptr; }

    // The entry numbered seq chosen, as the host would click its row.
    void selectEntry(qint64 seq);

    void openJournal();   // "Open..."
    void restoreLists();  // "Restore lists to here"
    void exportEntries(); // "Export..."
    void verifyDraws();   // "Verify draws"

private:
    // A file dialog in the journal folder that lists the files with the suffix.
    Prompts::FileRequest fileRequest(const QString &title, const QString &filterName, const QString &suffix) const;
    qint64 selectedSeq() const;
    bool isThisEvening() const { return m_file.isEmpty(); }
    void showContents(const QString &path, const JournalContents &contents);
    void updateButtons();
    // Runs work on a thread of its own, then done on the window's; nothing
    // while the window is busy.
    void inBackground(std::function<void()> work, std::function<void()> done);

    GameSession &m_session;
    Prompts &m_prompts;
    QString m_folder;
    QString m_file; // the journal shown, empty for this run's
    JournalHistory m_history;
    QSortFilterProxyModel *m_shown;
    QLabel *m_source;
    QLineEdit *m_filter;
    QTableView *m_table;
    QPushButton *m_open;
    QPushButton *m_thisEvening;
    QPushButton *m_restore;
    QPushButton *m_verify;
    QThread *m_worker = nullptr;
};
