#pragma once

#include <QObject>
#include <QString>

class HistoryWindow;
class MainWindow;
class Prompts;
struct GameSession;

// The File menu: "History...", the evening's journal in a window of its
// own beside the main window, made once and shown again on each choice;
// "Sealed Draws", the host's option, and "Reveal Seal Key...", which says
// the sealed game's key once the host confirms. (Its "Exit" is the window's
// own way out.)
class FileMenu : public QObject
{
    Q_OBJECT

public:
    FileMenu(MainWindow &window, GameSession &session, Prompts &prompts, const QString &journalFolder,
             QObject *parent = nullptr);

    void mnuHistory_Click();
    void mnuSealed_Click(bool on);
    void mnuRevealKey_Click();

    // The History window once it has been opened.
    HistoryWindow *historyWindow() const { return m_history; }

private:
    MainWindow &m_window;
    GameSession &m_session;
    Prompts &m_prompts;
    QString m_journalFolder;
    HistoryWindow *m_history = nullptr;
};
