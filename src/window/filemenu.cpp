#include "window/filemenu.h"

#include "games/gamesession.h"
#include "interaction/prompts.h"
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
    Ui::MainWindow &ui = window.ui();
    connect(ui.mnuHistory, &QAction::triggered, this, &FileMenu::mnuHistory_Click);
    connect(ui.mnuSealed, &QAction::triggered, this, &FileMenu::mnuSealed_Click);
    connect(ui.mnuRevealKey, &QAction::triggered, this, &FileMenu::mnuRevealKey_Click);
    ui.mnuSealed->setChecked(m_session.seal.isOn());
}

void FileMenu::mnuSealed_Click(bool on)
{
    m_session.seal.setOn(on);
}

void FileMenu::mnuRevealKey_Click()
{
    if (!m_session.seal.holdsKey()) {
        m_prompts.showMessage(tr("Reveal Seal Key"),
                              tr("No sealed game is waiting for its key: with Sealed Draws ticked, the raffle's "
                                 "Start seals a game."));
        return;
    }
    if (m_prompts.askYesNo(tr("Reveal Seal Key"),
                           tr("Say the sealed game's key in the room now? Anyone can then check its draws, and "
                              "the next Start seals anew with a new key.")))
        m_session.raffle.revealSealKey();
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
