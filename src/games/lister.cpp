#include "games/lister.h"

#include "chat/chatlink.h"
#include "chat/pacing.h"
#include "chat/registrationintake.h"
#include "chat/transcripttext.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/gamestate.h"
#include "settings/hostsettings.h"

Lister::Lister(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{}

void Lister::pace()
{
    pacingPause(m_parts.link, m_parts.settings);
}

void Lister::Command8_Click()
{
    ChatLink &link = m_parts.link;
    PlayerLists &lists = m_parts.lists;
    m_parts.input.disable();
    link.SayText(QString::fromUtf16(TranscriptText::kHostMarker));
    link.SayText(m_parts.settings.item(HostSettings::WelcomeLine));
    pace();
    link.SayText(QString::fromUtf16(Announcements::kWebAddress));
    pace();
    link.SayText(QStringLiteral("*** Starting a New Game ***"));
    // The look-up works on the text the link already holds; only its effect
    // on the host's name matters here.
    m_parts.intake.GetHost();
    pace();

    switch (m_parts.state.opening) {
    case GameState::Opening::ClearList:
        m_parts.state.Text3 = QStringLiteral("0");
        lists.queue.clear();
        lists.ledger.clear();
        lists.called.clear();
        m_parts.colours.Command23_Click();
        link.SayText(m_parts.announcements.invitation());
        pace();
        break;
    case GameState::Opening::ResetList:
        // Called players go to the end of the queue, behind those still waiting.
        for (const QString &called : lists.called.names())
            lists.queue.add(called);
        lists.called.clear();
        link.SayText(QStringLiteral("all name have been restored no need to Register"));
        break;
    case GameState::Opening::Neither:
        break;
    }

    lists.ledger.add(m_parts.intake.txtHost());
    m_parts.recovery.WriteRecovery();
    m_parts.input.enable();
}

void Lister::Command11_Click()
{
    m_parts.input.disable();
    const QStringList queue = m_parts.lists.queue.names();
    m_parts.announcements.sayList(QStringLiteral("thay are currenly ") + QString::number(queue.size())
                                      + QStringLiteral(" players on the list"),
                                  queue);
    if (m_parts.settings.isChecked(HostSettings::Check2)) {
        const QStringList called = m_parts.lists.called.names();
        m_parts.announcements.sayList(QStringLiteral("There are curently ") + QString::number(called.size())
                                          + QStringLiteral(" players ")
                                          + m_parts.settings.item(HostSettings::FirstLineOnList),
                                      called);
    }
    m_parts.input.enable();
    m_parts.recovery.WriteRecovery();
}

std::optional<QString> Lister::selectHead()
{
    PlayerList &queue = m_parts.lists.queue;
    if (!queue.isEmpty()) {
        queue.setSelected(0);
        return queue.at(0);
    }
    pace();
    m_parts.link.SayText(QStringLiteral("Opps no more names on the list"));
    pace();
    m_parts.input.enable();
    return std::nullopt;
}

void Lister::Command12_Click()
{
    m_parts.input.disable();
    const std::optional<QString> head = selectHead();
    if (!head)
        return;
    const QString &name = *head;
    m_parts.link.EspText(name, m_parts.settings.item(HostSettings::SayNextEsp));
    const QString sayNext = m_parts.settings.item(HostSettings::SayNextSay);
    if (!sayNext.isEmpty())
        m_parts.link.SayText(name + u' ' + sayNext);
    m_parts.recovery.WriteRecovery();
    m_parts.input.enable();
}

void Lister::Command7_Click()
{
    m_parts.input.disable();
    const std::optional<QString> head = selectHead();
    if (!head)
        return;
    const QString &name = *head;
    m_parts.link.EspText(name, m_parts.settings.item(HostSettings::CallNextEsp));
    m_parts.link.SayText(name + u' ' + m_parts.settings.item(HostSettings::CallNextSay));
    m_parts.lists.called.add(name);
    m_parts.lists.queue.removeAt(0);
    m_parts.input.enable();
    m_parts.recovery.WriteRecovery();
}
