#include "games/lister.h"

#include "games/gamesession.h"
#include "games/journalentries.h"
#include "games/pacing.h"
#include "games/roomlines.h"
#include "interaction/busyguard.h"

using namespace RoomLines;

Lister::Lister(GameSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{}

void Lister::pace()
{
    pacingPause(m_session.link, m_session.settings);
}

void Lister::start()
{
    ChatLink &link = m_session.link;
    PlayerLists &lists = m_session.lists;
    const BusyGuard busy(m_session.input);
    link.SayText(QString::fromUtf16(kHostMarker));
    link.SayText(m_session.settings.item(HostSettings::WelcomeLine));
    pace();
    link.SayText(QString::fromUtf16(kWebAddress));
    pace();
    link.SayText(QString::fromUtf16(kNewGame));
    // The look-up works on the text the link already holds.
    m_session.intake.GetHost();
    pace();

    switch (m_session.state.opening) {
    case GameState::Opening::ClearList:
        m_session.state.drawCounter = QStringLiteral("0");
        lists.queue.clear();
        lists.ledger.clear();
        lists.called.clear();
        m_session.colours.freeAll();
        link.SayText(m_session.announcements.invitation());
        pace();
        break;
    case GameState::Opening::ResetList:
        // Called players go to the end of the queue, behind those still waiting.
        for (const QString &called : lists.called.names())
            lists.queue.add(called);
        lists.called.clear();
        link.SayText(QString::fromUtf16(kNamesRestored));
        break;
    case GameState::Opening::Neither:
        break;
    }

    m_session.finishStart(JournalEntries::kLister);
}

void Lister::takeInRegistrations()
{
    const BusyGuard busy(m_session.input);
    const auto found = m_session.intake.ScanRegistrations();
    m_session.journal.append(JournalEntries::getReg(JournalEntries::kLister, found));
}

void Lister::sayList()
{
    const BusyGuard busy(m_session.input);
    const QStringList queue = m_session.lists.queue.names();
    m_session.sayLists(JournalEntries::kLister, queueHeadline(queue.size()), queue, m_session.lists.called);
}

std::optional<QString> Lister::selectHead()
{
    PlayerList &queue = m_session.lists.queue;
    if (!queue.isEmpty()) {
        queue.setSelected(0);
        return queue.at(0);
    }
    pace();
    m_session.link.SayText(QString::fromUtf16(kNoMoreNames));
    pace();
    return std::nullopt;
}

void Lister::warnNext()
{
    const BusyGuard busy(m_session.input);
    const std::optional<QString> head = selectHead();
    if (!head) {
        m_session.journal.append(JournalEntries::sayNext(std::nullopt));
        return;
    }
    const QString &name = *head;
    m_session.link.EspText(name, m_session.settings.item(HostSettings::SayNextEsp));
    const QString sayNext = m_session.settings.item(HostSettings::SayNextSay);
    if (!sayNext.isEmpty())
        m_session.link.SayText(name + u' ' + sayNext);
    m_session.recovery.WriteRecovery();
    m_session.journal.append(JournalEntries::sayNext(name));
}

void Lister::callNext()
{
    const BusyGuard busy(m_session.input);
    const std::optional<QString> head = selectHead();
    if (!head) {
        m_session.journal.append(JournalEntries::callNext(std::nullopt));
        return;
    }
    const QString &name = *head;
    m_session.link.EspText(name, m_session.settings.item(HostSettings::CallNextEsp));
    m_session.link.SayText(name + u' ' + m_session.settings.item(HostSettings::CallNextSay));
    m_session.lists.called.add(name);
    m_session.lists.queue.removeAt(0);
    m_session.recovery.WriteRecovery();
    m_session.journal.append(JournalEntries::callNext(name));
}
