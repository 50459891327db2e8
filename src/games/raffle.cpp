#include "games/raffle.h"

#include "core/numbertext.h"
#include "games/gamesession.h"
#include "games/journalentries.h"
#include "games/pacing.h"
#include "games/roomlines.h"
#include "interaction/busyguard.h"
#include "journal/checkedentries.h"
#include "journal/seal.h"

using namespace RoomLines;

namespace {

// How much of the players list's hash the room hears after a sealed winner:
// enough for a player who has the list to see it is the same one.
constexpr qsizetype kShownListDigits = 8;

} // namespace

Raffle::Raffle(GameSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{}

void Raffle::pace()
{
    pacingPause(m_session.link, m_session.settings);
}

void Raffle::start()
{
    ChatLink &link = m_session.link;
    PlayerLists &lists = m_session.lists;
    const BusyGuard busy(m_session.input);
    link.SayText(QString::fromUtf16(kHostMarker));
    pace();
    link.SayText(QString::fromUtf16(kWebAddress));
    link.SayText(m_session.settings.item(HostSettings::WelcomeLine));
    pace();
    link.SayText(QString::fromUtf16(kNewGame));
    // Without a transcript the host stays as it was.
    if (link.fetchTranscript(RegistrationIntake::kTranscriptWaitMs))
        m_session.intake.FindHost(link.Transcript());
    pace();

    switch (m_session.state.opening) {
    case GameState::Opening::ClearList:
        m_session.state.drawCounter = QStringLiteral("0");
        m_session.settings.setItem(HostSettings::Round, QStringLiteral("1"));
        lists.winners.clear();
        lists.ledger.clear();
        lists.players.clear();
        m_session.colours.freeAll();
        link.SayText(m_session.announcements.invitation());
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
    if (m_session.seal.isOn()) {
        seal = m_session.seal.begin();
        link.SayText(sealCommitment(QString::fromLatin1(seal.first(Seal::kShownDigits))));
    }

    m_session.finishStart(JournalEntries::kRaffle, seal);
}

void Raffle::takeInRegistrations()
{
    const BusyGuard busy(m_session.input);
    const auto found = m_session.intake.ScanRegistrations();
    m_session.recovery.WriteRecovery();
    m_session.journal.append(JournalEntries::getReg(JournalEntries::kRaffle, found));
}

void Raffle::draw()
{
    const BusyGuard busy(m_session.input);
    const JournalEntries::Counters was{m_session.settings.item(HostSettings::Round), m_session.state.drawCounter};
    m_session.state.drawCounter = NumberText::raised(m_session.state.drawCounter);
    m_session.settings.setItem(HostSettings::Round, NumberText::raised(m_session.settings.item(HostSettings::Round)));
    const QStringList winners = drawWinners();
    m_session.recovery.WriteRecovery();
    const bool sayPrizes = m_session.settings.isChecked(HostSettings::Check::SayPrizes);
    m_session.journal.append(
        JournalEntries::draw(was, {m_session.settings.item(HostSettings::Round), m_session.state.drawCounter}, winners,
                             sayPrizes ? std::optional(currentPrize()) : std::nullopt));
}

void Raffle::noMoreNames()
{
    m_session.link.SayText(QString::fromUtf16(kDrawing));
    pace();
    m_session.link.SayText(QString::fromUtf16(kNoMoreNames));
}

QString Raffle::currentPrize() const
{
    const qint64 index = NumberText::roundHalfEven(NumberText::leadingNumber(m_session.state.drawCounter) - 1.0);
    return index >= 0 && index < PrizeList::kCount ? m_session.prizes.prize(static_cast<int>(index)) : QString();
}

QStringList Raffle::drawWinners()
{
    ChatLink &link = m_session.link;
    PlayerList &players = m_session.lists.players;
    const BusyGuard busy(m_session.input);
    QStringList drawn;
    if (players.isEmpty()) {
        noMoreNames();
        pace();
        return drawn;
    }

    const qint64 last = NumberText::roundHalfEven(
        NumberText::leadingNumber(m_session.settings.item(HostSettings::Draws)) - 1.0);
    for (qint64 i = 0; i <= last; ++i) {
        if (players.isEmpty()) {
            noMoreNames();
            return drawn;
        }
        const PickRecord pick = m_session.picker.pick(players.names());
        const int index = pick.index;
        const QString &winner = pick.winner;
        m_session.state.lastPickIndex = QString::number(index);
        // On record before the room hears it: a crash from here on cannot
        // take back a winner the room heard.
        m_session.journal.appendPick(pick);
        drawn.append(winner);
        m_session.state.lastWinner = winner;
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
        if (m_session.settings.isChecked(HostSettings::Check::SayPrizes)) {
            link.SayText(wins(winner, currentPrize()));
            m_session.lists.winners.add(winner);
            link.EspText(winner, m_session.settings.item(HostSettings::EspWinner));
        }
    }
    m_session.recovery.WriteRecovery();
    return drawn;
}

void Raffle::announceRound()
{
    const BusyGuard busy(m_session.input);
    const QString current = m_session.settings.item(HostSettings::Round);
    const QString rounds = m_session.settings.item(HostSettings::TotalRounds);
    m_session.link.SayText(round(current, rounds));
    m_session.recovery.WriteRecovery();
    m_session.journal.append(JournalEntries::round(current, rounds));
}

void Raffle::revealSealKey()
{
    if (!m_session.seal.holdsKey())
        return;
    const BusyGuard busy(m_session.input);
    const QByteArray seal = m_session.seal.commitment();
    const QByteArray key = m_session.seal.reveal();
    m_session.journal.append(CheckedEntries::reveal(seal, key));
    m_session.link.SayText(
        sealKey(QString::fromLatin1(seal.first(Seal::kShownDigits)), QString::fromLatin1(key.toHex())));
}

void Raffle::sayList()
{
    const BusyGuard busy(m_session.input);
    const QStringList players = m_session.lists.players.names();
    m_session.sayLists(JournalEntries::kRaffle, playersHeadline(players.size()), players, m_session.lists.winners);
}
