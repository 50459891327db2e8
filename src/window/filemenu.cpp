#include "window/filemenu.h"

#include "ui_mainwindow.h"
#include "window/historywindow.h"
#include "window/mainwindow.h"

FileMenu::FileMenu(MainWindow &window, GameSession &session, Prompts &prompts, const QString &journalFolder,
                   QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_session(session)
    , m_prompts(prompts)
    , m_journalFolder(journalFolder)
{
    connect(window.ui().mnuHistory, &QAction::triggered, this, &FileMenu::mnuHistory_Click);
}

void FileMenu::mnuHistory_Click()
{
    // A window of the main window's: it waits, as the main window does,
    // while an operation speaks.
    if (!m_history)
        m_history = new HistoryWindow(m_session, m_prompts, m_journalFolder, &m_window);
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}
