#include "games/lister.h"

#include "chat/chatlink.h"
#include "core/busyguard.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/gamestate.h"
#include "games/journalentries.h"
#include "games/pacing.h"
#include "games/registrationintake.h"
#include "games/roomlines.h"
#include "journal/journalwriter.h"
#include "settings/hostsettings.h"

using namespace RoomLines;

Lister::Lister(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{}

void Lister::pace()
{
    pacingPause(m_parts.link, m_parts.settings);
}

void Lister::start()
{
    ChatLink &link = m_parts.link;
    PlayerLists &lists = m_parts.lists;
    const BusyGuard busy(m_parts.input);
    link.SayText(QString::fromUtf16(kHostMarker));
    link.SayText(m_parts.settings.item(HostSettings::WelcomeLine));
    pace();
    link.SayText(QString::fromUtf16(kWebAddress));
    pace();
    link.SayText(QString::fromUtf16(kNewGame));
    // The look-up works on the text the link already holds; only its effect
    // on the host's name matters here.
    m_parts.intake.GetHost();
    pace();

    switch (m_parts.state.opening) {
    case GameState::Opening::ClearList:
        m_parts.state.drawCounter = QStringLiteral("0");
        lists.queue.clear();
        lists.ledger.clear();
        lists.called.clear();
        m_parts.colours.freeAll();
        link.SayText(m_parts.announcements.invitation());
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

    lists.ledger.add(m_parts.intake.host());
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(
        JournalEntries::start(JournalEntries::kLister, m_parts.state.opening, m_parts.intake.host()));
}

void Lister::takeInRegistrations()
{
    const BusyGuard busy(m_parts.input);
    const auto found = m_parts.intake.ScanRegistrations();
    m_parts.journal.append(JournalEntries::getReg(JournalEntries::kLister, found));
}

void Lister::sayList()
{
    const BusyGuard busy(m_parts.input);
    const QStringList queue = m_parts.lists.queue.names();
    m_parts.announcements.sayList(queueHeadline(queue.size()), queue);
    if (m_parts.settings.isChecked(HostSettings::Check::SayWinnersList)) {
        const QStringList called = m_parts.lists.called.names();
        m_parts.announcements.sayList(
            winnersHeadline(called.size(), m_parts.settings.item(HostSettings::FirstLineOnList)), called);
    }
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(JournalEntries::sayList(JournalEntries::kLister, queue.size()));
}

std::optional<QString> Lister::selectHead()
{
    PlayerList &queue = m_parts.lists.queue;
    if (!queue.isEmpty()) {
        queue.setSelected(0);
        return queue.at(0);
    }
    pace();
    m_parts.link.SayText(QString::fromUtf16(kNoMoreNames));
    pace();
    return std::nullopt;
}

void Lister::warnNext()
{
    const BusyGuard busy(m_parts.input);
    const std::optional<QString> head = selectHead();
    if (!head) {
        m_parts.journal.append(JournalEntries::sayNext(std::nullopt));
        return;
    }
    const QString &name = *head;
    m_parts.link.EspText(name, m_parts.settings.item(HostSettings::SayNextEsp));
    const QString sayNext = m_parts.settings.item(HostSettings::SayNextSay);
    if (!sayNext.isEmpty())
        m_parts.link.SayText(name + u' ' + sayNext);
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(JournalEntries::sayNext(name));
}

void Lister::callNext()
{
    const BusyGuard busy(m_parts.input);
    const std::optional<QString> head = selectHead();
    if (!head) {
        m_parts.journal.append(JournalEntries::callNext(std::nullopt));
        return;
    }
    const QString &name = *head;
    m_parts.link.EspText(name, m_parts.settings.item(HostSettings::CallNextEsp));
    m_parts.link.SayText(name + u' ' + m_parts.settings.item(HostSettings::CallNextSay));
    m_parts.lists.called.add(name);
    m_parts.lists.queue.removeAt(0);
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(JournalEntries::callNext(name));
}
