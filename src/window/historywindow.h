#pragma once

#include "journal/journalhistory.h"

#include <QDialog>

class Prompts;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
struct GameSession;

// The evening's journal in a table, newest last, with a filter over every
// column: what happened, to whom, and when. From a chosen entry the host puts
// the player lists back as they were right after it (after saying yes to
// what will change), exports the shown entries as CSV, or has every draw
// checked. Earlier runs' journals open here too.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    HistoryWindow(GameSession &session, Prompts &prompts, const QString &journalFolder, QWidget *parent = nullptr);

    // Shows this run's journal, following it as it grows.
    void showThisEvening();
    // Shows a journal from a file; false, with the host told, when unreadable.
    bool showFile(const QString &path);

    // The entry numbered seq chosen, as the host would click its row.
    void selectEntry(qint64 seq);

    void openJournal();   // "Open..."
    void restoreLists();  // "Restore lists to here"
    void exportEntries(); // "Export..."
    void verifyDraws();   // "Verify draws"

private:
    qint64 selectedSeq() const;
    bool isThisEvening() const { return m_file.isEmpty(); }
    void showSelection();

    GameSession &m_session;
    Prompts &m_prompts;
    QString m_folder;
    QString m_file; // the journal shown, empty for this run's
    JournalHistory m_history;
    QSortFilterProxyModel *m_shown;
    QLabel *m_source;
    QLineEdit *m_filter;
    QTableView *m_table;
    QPushButton *m_thisEvening;
    QPushButton *m_restore;
};
