#include "evenings.h"
#include "journal/journalreader.h"
#include "journal/journalverifier.h"
#include "journal/seal.h"
#include "liveprogram.h"
#include "support/listtext.h"
#include "window/filemenu.h"
#include "window/historywindow.h"

#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

// The evening's journal through the real room: what it records can be
// restored entry by entry, and proves the evening's draws to any verifier.

namespace {

// The journal of this run as it stands on disk.
JournalContents journalOf(LiveProgram &live)
{
    return JournalReader::read(live.program->session().journal.path());
}

// What `raffler --verify FILE [OTHER...]` says, and its exit status.
std::pair<QString, int> verifyWithTheProgram(const QString &path, const QStringList &otherRuns = {})
{
    QProcess raffler;
    raffler.start(QStringLiteral(RAFFLER_PATH), QStringList{u"--verify"_s, path} + otherRuns);
    raffler.waitForFinished(30000);
    // Windows ends the lines it prints with CR LF.
    return {QString::fromLocal8Bit(raffler.readAllStandardOutput() + raffler.readAllStandardError())
                .replace(u"\r\n"_s, u"\n"_s)
                .trimmed(),
            raffler.exitCode()};
}

} // namespace

void Evenings::everyEntryRestoresTheListsOfItsMoment()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s}));
    GameSession &session = live.program->session();
    session.settings.setChecked(HostSettings::Check::SayPrizes, true);
    // The lists and the raffle's counters, on which the next prize depends.
    const auto moment = [&session] {
        return listsOf(session.lists) + u" round "_s + session.settings.item(HostSettings::Round) + u" counter "_s
            + session.state.drawCounter;
    };
    QMap<qint64, QString> listsAt; // after each entry
    const auto note = [&] { listsAt.insert(session.journal.lastSeq(), moment()); };
    const auto register_ = [&](const char *names) {
        for (const QByteArray &name : QByteArray(names).split(','))
            QVERIFY(live.room.command("esp " + name + ": $"));
    };

    // A raffle opened afresh, players in, draws, hand edits, a colour, and a
    // second game with the winners back.
    live.press(u"Start");
    note();
    register_("Ann,Bob,Cy,Dee,Eve,Fay");
    live.press(u"Get Reg");
    note();
    for (int draw = 0; draw < 3; ++draw) {
        live.press(u"Draw");
        note();
    }
    session.lists.players.setSelected(0);
    live.chooseOver(u"Raffler (Players)", u"Remove PLayer");
    note();
    session.lists.winners.setSelected(1);
    live.chooseOver(u"Winners", u"Color > Red");
    note();
    live.chooseOver(u"Winners", u"Add Player To List");
    note();
    live.press(u"Reset List");
    live.press(u"Start");
    note();
    live.press(u"Draw");
    note();
    // The Lister: its queue called forward, a late registration, a Recover,
    // and a fresh start that clears it.
    live.choose(u"Settings > Lister");
    live.press(u"Start");
    note();
    live.press(u"Say Next");
    live.press(u"Call Next");
    note();
    register_("Gus");
    live.press(u"Get Reg");
    note();
    live.press(u"Recover");
    note();
    live.press(u"Start"); // Reset List: the called players go back in the queue
    note();
    live.press(u"Clear List");
    live.press(u"Start");
    note();

    // Restoring to each entry gives the lists and counters of that moment exactly.
    const JournalContents evening = journalOf(live);
    QVERIFY(evening.damage.isEmpty());
    QCOMPARE(evening.entries.size(), session.journal.lastSeq());
    for (auto it = listsAt.cbegin(); it != listsAt.cend(); ++it) {
        QVERIFY(session.restoreLists(evening.entries, it.key()));
        QCOMPARE(moment(), it.value());
        QCOMPARE(live.recoveryFile(), Recovery::format(session.lists));
    }

    // The whole journal, restores and all, proves the four draws, also to the
    // program's own command line.
    const QString path = session.journal.path();
    const JournalVerdict verdict = JournalVerifier::verify(path);
    QVERIFY2(verdict.ok, qPrintable(verdict.text()));
    QCOMPARE(verdict.draws, 4);
    const QStringList report = verifyWithTheProgram(path).first.split(u'\n');
    QCOMPARE(report.first(), u"4 draws verified"_s);
    QCOMPARE(report.mid(1).filter(u"Lists restored to entry"_s).size(), listsAt.size());

    live.stop();
}

// A slip in front of a full room: Start pressed with "Clear List" chosen, in
// the middle of a raffle. Three clicks put every list back: File > History...,
// the entry before the slip, "Restore lists to here" (and yes to what it
// says will change). The room hears nothing of it.
void Evenings::anAccidentalClearListStartIsUndoneInThreeClicks()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s}));
    GameSession &session = live.program->session();
    live.press(u"Start");
    for (const char *name : {"Ann", "Bob", "Cy", "Dee"})
        QVERIFY(live.room.command(QByteArray("esp ") + name + ": $"));
    live.press(u"Get Reg");
    live.press(u"Draw");
    const QString beforeTheSlip = listsOf(session.lists);
    const qint64 lastGoodEntry = session.journal.lastSeq();

    live.press(u"Start"); // "Clear List" is still chosen
    QVERIFY(session.lists.players.isEmpty() && session.lists.winners.isEmpty());

    live.mark();
    live.choose(u"File > History...");
    HistoryWindow *history = live.program->fileMenu().historyWindow();
    QVERIFY(history && history->isVisible());
    auto *table = history->findChild<QTableView *>(u"entries"_s);
    const QModelIndex row = table->model()->index(int(lastGoodEntry) - 1, 0);
    QCOMPARE(row.data(JournalHistory::kSeqRole).toLongLong(), lastGoodEntry);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(row).center());
    live.press(u"Restore lists to here", history);

    QCOMPARE(live.prompts.questions.size(), 1);
    QVERIFY2(live.prompts.questions[0].text.contains(u"players 0 → 3"_s), qPrintable(live.prompts.questions[0].text));
    QCOMPARE(listsOf(session.lists), beforeTheSlip);
    QCOMPARE(live.recoveryFile(), Recovery::format(session.lists));
    QCOMPARE(live.linesSinceMark(), QStringList());
    QCOMPARE(session.journal.entries().constLast().op(), u"restore"_s);
    live.stop();
}

// Sealed draws through the real room: a commitment at Start, a check line
// after each winner and the key when the host reveals it. The journal proves
// every draw from that key, and copies of it tampered with fail (journal-doc).
void Evenings::aSealedEveningCanBeChecked()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s}));
    GameSession &session = live.program->session();
    live.choose(u"File > Sealed Draws");
    QVERIFY(session.seal.isOn());
    live.mark();
    live.press(u"Start");
    for (const char *name : {"Ann", "Bob", "Cy", "Dee"})
        QVERIFY(live.room.command(QByteArray("esp ") + name + ": $"));
    live.press(u"Get Reg");
    live.press(u"Draw");
    // A restart in the middle of the game keeps the seal: no new commitment,
    // and the draw numbers go on.
    const QString firstRun = session.journal.path();
    QVERIFY(live.restart());
    GameSession &restarted = live.program->session();
    live.press(u"Recover");
    live.press(u"Draw");
    const qint64 beforeTheThird = restarted.journal.lastSeq();
    live.press(u"Draw");
    // Undone and drawn again: the room hears a new draw number, and the
    // journal tells.
    QVERIFY(restarted.restoreLists(restarted.journal.entries(), beforeTheThird));
    const qint64 restore = restarted.journal.lastSeq();
    live.press(u"Draw");
    live.choose(u"File > Reveal Seal Key...");
    QVERIFY(!restarted.seal.holdsKey());

    const QString said = live.linesSinceMark().join(u'\n');
    const auto match = [&said](const QString &pattern) {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(said);
    };
    QRegularExpressionMatchIterator commitments = match(u"^say: Draws are sealed: commitment ([0-9a-f]{16})$"_s);
    const QRegularExpressionMatch commitment = commitments.next();
    QVERIFY(!commitments.hasNext());
    const QRegularExpressionMatch key = match(u"^say: Seal ([0-9a-f]{16}) key: ([0-9a-f]{64})$"_s).next();
    QVERIFY2(commitment.hasMatch() && key.hasMatch(), qPrintable(said));
    QCOMPARE(key.captured(1), commitment.captured(1));
    QCOMPARE(Seal::commitment(QByteArray::fromHex(key.captured(2).toLatin1())).first(16),
             commitment.captured(1).toLatin1());
    QStringList checks;
    for (auto it = match(u"^say: Sealed draw (\\d+): number \\d+ of (\\d+), list [0-9a-f]{8}$"_s); it.hasNext();) {
        const QRegularExpressionMatch check = it.next();
        checks << check.captured(1) + u'/' + check.captured(2);
    }
    QVERIFY2(checks == (QStringList{u"1/4"_s, u"2/3"_s, u"3/2"_s, u"4/2"_s}), qPrintable(said));

    // The journal since the restart holds draws 2 to 4, the restore and the key.
    const QString path = restarted.journal.path();
    const qint64 reveal = restarted.journal.lastSeq();
    QCOMPARE(verifyWithTheProgram(path),
             std::pair(u"3 draws verified\n"
                       "Lists restored to entry %1 at entry %2\n"
                       "Entry %3 draws again after the restore at entry %2\n"
                       "Sealed under %4: 3 draws, key revealed at entry %5"_s.arg(beforeTheThird)
                           .arg(restore)
                           .arg(restore + 1)
                           .arg(commitment.captured(1))
                           .arg(reveal),
                       0));

    // The first run's draw is checked with the key the second run revealed.
    QCOMPARE(verifyWithTheProgram(firstRun).first,
             u"1 draw verified\nSealed under %1: 1 draw, key not revealed, so their seeds cannot be checked yet"_s.arg(
                 commitment.captured(1)));
    QCOMPARE(verifyWithTheProgram(firstRun, {path}),
             std::pair(u"1 draw verified\nSealed under %1: 1 draw, key revealed in %2"_s.arg(
                           commitment.captured(1), QFileInfo(path).fileName()),
                       0));

    live.stop();
}
