#include "games/raffle.h"

#include "chat/chatlink.h"
#include "chat/pacing.h"
#include "chat/registrationintake.h"
#include "chat/transcripttext.h"
#include "core/numbertext.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/gamestate.h"
#include "games/winnerpicker.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

Raffle::Raffle(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{}

void Raffle::pace()
{
    pacingPause(m_parts.link, m_parts.settings);
}

void Raffle::cmdStart_Click()
{
    ChatLink &link = m_parts.link;
    PlayerLists &lists = m_parts.lists;
    m_parts.input.disable();
    link.SayText(QString::fromUtf16(TranscriptText::kHostMarker));
    pace();
    link.SayText(QString::fromUtf16(Announcements::kWebAddress));
    link.SayText(m_parts.settings.item(HostSettings::WelcomeLine));
    pace();
    link.SayText(QStringLiteral("*** Starting a New Game ***"));
    // Without a transcript the host stays as it was.
    if (link.fetchTranscript(RegistrationIntake::kTranscriptWaitMs))
        m_parts.intake.FindHost(link.Transcript());
    pace();

    switch (m_parts.state.opening) {
    case GameState::Opening::ClearList:
        m_parts.state.Text3 = QStringLiteral("0");
        m_parts.settings.setItem(HostSettings::Round, QStringLiteral("1"));
        lists.winners.clear();
        lists.ledger.clear();
        lists.players.clear();
        m_parts.colours.Command23_Click();
        link.SayText(m_parts.announcements.invitation());
        pace();
        break;
    case GameState::Opening::ResetList:
        for (const QString &winner : lists.winners.names())
            lists.players.add(winner);
        lists.winners.clear();
        link.SayText(QStringLiteral("all name have been restored no need to Register"));
        break;
    case GameState::Opening::Neither:
        break;
    }

    lists.ledger.add(m_parts.intake.txtHost());
    m_parts.recovery.WriteRecovery();
    m_parts.input.enable();
}

void Raffle::Command3_Click()
{
    m_parts.input.disable();
    m_parts.state.Text3 = NumberText::raised(m_parts.state.Text3);
    m_parts.settings.setItem(HostSettings::Round, NumberText::raised(m_parts.settings.item(HostSettings::Round)));
    DrawWinners();
    m_parts.recovery.WriteRecovery();
    m_parts.input.enable();
}

void Raffle::noMoreNames()
{
    m_parts.link.SayText(QStringLiteral("Drawing the winner.."));
    pace();
    m_parts.link.SayText(QStringLiteral("Opps no more names on the list"));
}

QString Raffle::currentPrize() const
{
    const qint64 index = NumberText::roundHalfEven(NumberText::leadingNumber(m_parts.state.Text3) - 1.0);
    return index >= 0 && index < PrizeList::kCount ? m_parts.prizes.prize(static_cast<int>(index)) : QString();
}

void Raffle::DrawWinners()
{
    ChatLink &link = m_parts.link;
    PlayerList &players = m_parts.lists.players;
    m_parts.input.disable();
    if (players.isEmpty()) {
        noMoreNames();
        pace();
        return;
    }

    const qint64 last = NumberText::roundHalfEven(NumberText::leadingNumber(m_parts.settings.item(HostSettings::Draws))
                                                  - 1.0);
    for (qint64 i = 0; i <= last; ++i) {
        if (players.isEmpty()) {
            noMoreNames();
            return; // the caller saves and gives the window back
        }
        const int index = m_parts.picker.pick(players.count());
        m_parts.state.Text1 = QString::number(index);
        const QString winner = players.at(index);
        m_parts.state.Text2 = winner;
        players.setSelected(index);
        link.SayText(QStringLiteral("Drawing the winner.."));
        link.SayText(QStringLiteral("and the winner is ") + winner);
        pace();
        // The pause runs events; take the winner out by name should the list have moved.
        players.removeAt(index < players.count() && players.at(index) == winner ? index
                                                                                : players.names().indexOf(winner));
        if (m_parts.settings.isChecked(HostSettings::Check3)) {
            link.SayText(winner + QStringLiteral(" wins ") + currentPrize());
            m_parts.lists.winners.add(winner);
            link.EspText(winner, m_parts.settings.item(HostSettings::EspWinner));
        }
    }
    m_parts.recovery.WriteRecovery();
    m_parts.input.enable();
}

void Raffle::Command13_Click()
{
    m_parts.input.disable();
    m_parts.link.SayText(QStringLiteral("Round ") + m_parts.settings.item(HostSettings::Round) + QStringLiteral(" of ")
                         + m_parts.settings.item(HostSettings::TotalRounds));
    m_parts.input.enable();
    m_parts.recovery.WriteRecovery();
}

void Raffle::Command1_Click()
{
    m_parts.input.disable();
    const QStringList players = m_parts.lists.players.names();
    m_parts.announcements.sayList(QStringLiteral("There are currenly ") + QString::number(players.size())
                                      + QStringLiteral(" players on the list"),
                                  players);
    if (m_parts.settings.isChecked(HostSettings::Check2)) {
        const QStringList winners = m_parts.lists.winners.names();
        m_parts.announcements.sayList(QStringLiteral("There are curently ") + QString::number(winners.size())
                                          + QStringLiteral(" players ")
                                          + m_parts.settings.item(HostSettings::FirstLineOnList),
                                      winners);
    }
    m_parts.recovery.WriteRecovery();
    m_parts.input.enable();
}
