#include "evenings.h"
#include "journal/journalreader.h"
#include "journal/journalverifier.h"
#include "liveprogram.h"
#include "support/listtext.h"
#include "window/filemenu.h"
#include "window/historywindow.h"

#include <QFile>
#include <QMap>
#include <QProcess>
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

// A copy of the journal with one text replaced in one line, as a hand that
// edited the file would leave it.
QString tampered(const QString &path, int line, const QByteArray &from, const QByteArray &to)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines[line - 1].replace(from, to);
    const QString copy = path + u".tampered"_s;
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(lines.join('\n')) < 0)
        return {};
    return copy;
}

// What `raffler --verify FILE` says, and its exit status.
std::pair<QString, int> verifyWithTheProgram(const QString &path)
{
    QProcess raffler;
    raffler.start(QStringLiteral(RAFFLER_PATH), {u"--verify"_s, path});
    raffler.waitForFinished(30000);
    return {QString::fromLocal8Bit(raffler.readAllStandardOutput() + raffler.readAllStandardError()).trimmed(),
            raffler.exitCode()};
}

} // namespace

void Evenings::everyEntryRestoresTheListsOfItsMoment()
{
    LiveProgram live;
    QVERIFY(live.start({u"--host"_s, u"Corvane"_s}));
    GameSession &session = live.program->session();
    session.settings.setChecked(HostSettings::Check::SayPrizes, true);
    QMap<qint64, QString> listsAt; // after each entry
    const auto note = [&] { listsAt.insert(session.journal.lastSeq(), listsOf(session.lists)); };
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

    // Restoring to each entry gives the lists of that moment exactly.
    const JournalContents evening = journalOf(live);
    QVERIFY(evening.damage.isEmpty());
    QCOMPARE(evening.entries.size(), session.journal.lastSeq());
    for (auto it = listsAt.cbegin(); it != listsAt.cend(); ++it) {
        QVERIFY(session.restoreLists(evening.entries, it.key()));
        QCOMPARE(listsOf(session.lists), it.value());
        QCOMPARE(live.recoveryFile(), Recovery::format(session.lists));
    }

    // The whole journal, restores and all, proves the four draws, also to the
    // program's own command line.
    const QString path = session.journal.path();
    const JournalVerdict verdict = JournalVerifier::verify(path);
    QVERIFY2(verdict.ok, qPrintable(verdict.text()));
    QCOMPARE(verdict.draws, 4);
    QCOMPARE(verifyWithTheProgram(path), std::pair(u"4 draws verified"_s, 0));

    // One winner or one registered name changed by hand shows at its entry.
    const JournalEntry &draw = evening.entries[2]; // the first Draw
    const QString winner = draw.object.value(u"winners").toArray().at(0).toString();
    const QString changedWinner = tampered(path, draw.lineNumber, '"' + winner.toUtf8() + '"', "\"Zed\"");
    QCOMPARE(verifyWithTheProgram(changedWinner).second, 1);
    QCOMPARE(JournalVerifier::verify(changedWinner).seq, 3);
    const JournalEntry &getReg = evening.entries[1];
    const QString changedPlayer = tampered(path, getReg.lineNumber, "\"Cy\"", "\"Cyd\"");
    const JournalVerdict changed = JournalVerifier::verify(changedPlayer);
    QCOMPARE(changed.seq, 3); // the entry after it no longer follows it
    QVERIFY2(verifyWithTheProgram(changedPlayer).first.startsWith(u"Entry 3 (line 4) does not match"_s),
             qPrintable(changed.text()));
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
    QCOMPARE(session.journal.entries().constLast().object.value(u"op").toString(), u"restore"_s);
    live.stop();
}
