#include "games/raffle.h"

#include "chat/chatlink.h"
#include "core/busyguard.h"
#include "core/numbertext.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "games/announcements.h"
#include "games/colourcaller.h"
#include "games/drawseal.h"
#include "games/gamestate.h"
#include "games/journalentries.h"
#include "games/pacing.h"
#include "games/registrationintake.h"
#include "games/roomlines.h"
#include "games/winnerpicker.h"
#include "journal/checkedentries.h"
#include "journal/journalwriter.h"
#include "journal/seal.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"

using namespace RoomLines;

namespace {

// How much of the players list's hash the room hears after a sealed winner:
// enough for a player who has the list to see it is the same one.
constexpr qsizetype kShownListDigits = 8;

} // namespace

Raffle::Raffle(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{}

void Raffle::pace()
{
    pacingPause(m_parts.link, m_parts.settings);
}

void Raffle::start()
{
    ChatLink &link = m_parts.link;
    PlayerLists &lists = m_parts.lists;
    const BusyGuard busy(m_parts.input);
    link.SayText(QString::fromUtf16(kHostMarker));
    pace();
    link.SayText(QString::fromUtf16(kWebAddress));
    link.SayText(m_parts.settings.item(HostSettings::WelcomeLine));
    pace();
    link.SayText(QString::fromUtf16(kNewGame));
    // Without a transcript the host stays as it was.
    if (link.fetchTranscript(RegistrationIntake::kTranscriptWaitMs))
        m_parts.intake.FindHost(link.Transcript());
    pace();

    switch (m_parts.state.opening) {
    case GameState::Opening::ClearList:
        m_parts.state.drawCounter = QStringLiteral("0");
        m_parts.settings.setItem(HostSettings::Round, QStringLiteral("1"));
        lists.winners.clear();
        lists.ledger.clear();
        lists.players.clear();
        m_parts.colours.freeAll();
        link.SayText(m_parts.announcements.invitation());
        pace();
        break;
    case GameState::Opening::ResetList:
        for (const QString &winner : lists.winners.names())
            lists.players.add(winner);
        lists.winners.clear();
        link.SayText(QString::fromUtf16(kNamesRestored));
        break;
    case GameState::Opening::Neither:
        break;
    }

    // The key is fixed before anyone registers for this game.
    QByteArray seal;
    if (m_parts.seal.isOn()) {
        seal = m_parts.seal.begin();
        link.SayText(sealCommitment(QString::fromLatin1(seal.first(Seal::kShownDigits))));
    }

    lists.ledger.add(m_parts.intake.host());
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(
        JournalEntries::start(JournalEntries::kRaffle, m_parts.state.opening, m_parts.intake.host(), seal));
}

void Raffle::takeInRegistrations()
{
    const BusyGuard busy(m_parts.input);
    const auto found = m_parts.intake.ScanRegistrations();
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(JournalEntries::getReg(JournalEntries::kRaffle, found));
}

void Raffle::draw()
{
    const BusyGuard busy(m_parts.input);
    const JournalEntries::Counters was{m_parts.settings.item(HostSettings::Round), m_parts.state.drawCounter};
    m_parts.state.drawCounter = NumberText::raised(m_parts.state.drawCounter);
    m_parts.settings.setItem(HostSettings::Round, NumberText::raised(m_parts.settings.item(HostSettings::Round)));
    const QStringList winners = drawWinners();
    m_parts.recovery.WriteRecovery();
    const bool sayPrizes = m_parts.settings.isChecked(HostSettings::Check::SayPrizes);
    m_parts.journal.append(JournalEntries::draw(was,
                                                {m_parts.settings.item(HostSettings::Round), m_parts.state.drawCounter},
                                                winners, sayPrizes ? std::optional(currentPrize()) : std::nullopt));
}

void Raffle::noMoreNames()
{
    m_parts.link.SayText(QString::fromUtf16(kDrawing));
    pace();
    m_parts.link.SayText(QString::fromUtf16(kNoMoreNames));
}

QString Raffle::currentPrize() const
{
    const qint64 index = NumberText::roundHalfEven(NumberText::leadingNumber(m_parts.state.drawCounter) - 1.0);
    return index >= 0 && index < PrizeList::kCount ? m_parts.prizes.prize(static_cast<int>(index)) : QString();
}

QStringList Raffle::drawWinners()
{
    ChatLink &link = m_parts.link;
    PlayerList &players = m_parts.lists.players;
    const BusyGuard busy(m_parts.input);
    QStringList drawn;
    if (players.isEmpty()) {
        noMoreNames();
        pace();
        return drawn;
    }

    const qint64 last = NumberText::roundHalfEven(NumberText::leadingNumber(m_parts.settings.item(HostSettings::Draws))
                                                  - 1.0);
    for (qint64 i = 0; i <= last; ++i) {
        if (players.isEmpty()) {
            noMoreNames();
            return drawn;
        }
        const PickRecord pick = m_parts.picker.pick(players.names());
        const int index = pick.index;
        const QString &winner = pick.winner;
        m_parts.state.lastPickIndex = QString::number(index);
        // On record before the room hears it: a crash from here on cannot
        // take back a winner the room heard.
        m_parts.journal.appendPick(pick);
        drawn.append(winner);
        m_parts.state.lastWinner = winner;
        players.setSelected(index);
        link.SayText(QString::fromUtf16(kDrawing));
        link.SayText(winnerIs(winner));
        if (!pick.seal.isEmpty())
            link.SayText(sealCheck(pick.draw, index + 1, pick.count,
                                   QString::fromLatin1(pick.playersHash.first(kShownListDigits))));
        pace();
        // The pause runs events; take the winner out by name should the list have moved.
        players.removeAt(index < players.count() && players.at(index) == winner ? index
                                                                                : players.names().indexOf(winner));
        if (m_parts.settings.isChecked(HostSettings::Check::SayPrizes)) {
            link.SayText(wins(winner, currentPrize()));
            m_parts.lists.winners.add(winner);
            link.EspText(winner, m_parts.settings.item(HostSettings::EspWinner));
        }
    }
    m_parts.recovery.WriteRecovery();
    return drawn;
}

void Raffle::announceRound()
{
    const BusyGuard busy(m_parts.input);
    const QString current = m_parts.settings.item(HostSettings::Round);
    const QString rounds = m_parts.settings.item(HostSettings::TotalRounds);
    m_parts.link.SayText(round(current, rounds));
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(JournalEntries::round(current, rounds));
}

void Raffle::revealSealKey()
{
    if (!m_parts.seal.holdsKey())
        return;
    const BusyGuard busy(m_parts.input);
    const QByteArray seal = m_parts.seal.commitment();
    const QByteArray key = m_parts.seal.reveal();
    m_parts.journal.append(CheckedEntries::reveal(seal, key));
    m_parts.link.SayText(
        sealKey(QString::fromLatin1(seal.first(Seal::kShownDigits)), QString::fromLatin1(key.toHex())));
}

void Raffle::sayList()
{
    const BusyGuard busy(m_parts.input);
    const QStringList players = m_parts.lists.players.names();
    m_parts.announcements.sayList(playersHeadline(players.size()), players);
    if (m_parts.settings.isChecked(HostSettings::Check::SayWinnersList)) {
        const QStringList winners = m_parts.lists.winners.names();
        m_parts.announcements.sayList(
            winnersHeadline(winners.size(), m_parts.settings.item(HostSettings::FirstLineOnList)), winners);
    }
    m_parts.recovery.WriteRecovery();
    m_parts.journal.append(JournalEntries::sayList(JournalEntries::kRaffle, players.size()));
}
