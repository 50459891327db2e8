#include "macrosendertest.h"

#include "chat/chatlink.h"
#include "chat/tokenizer.h"
#include "core/filestore.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/windowinput.h"
#include "macros/macrobank.h"
#include "macros/macrosender.h"
#include "scriptedwadapi.h"
#include "support/fakeclock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Lines = QList<QByteArray>;

namespace {

struct Sending
{
    QTemporaryDir dir;
    FakeClock clock;
    ChatLink link{clock};
    Tokenizer tokenizer;
    WindowInput input;
    PlayerLists lists;
    FileStore store{dir.path(), dir.path()};
    Recovery recovery{lists, store};
    MacroBank bank;
    MacroSender sender{bank, link, tokenizer, input, recovery};

    Sending() { link.InitDDE(); }

    QByteArray recoveryFile() const
    {
        QFile file(dir.filePath(u"Recover.bak"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

} // namespace

void MacroSenderTest::init()
{
    ScriptedWadapi::reset();
}

void MacroSenderTest::saysTheLinesOfAMacro_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Lines>("said");

    QTest::newRow("one line") << u"Welcome!"_s << Lines{"Welcome!"};
    QTest::newRow("two lines") << u"A\r\nB"_s << Lines{"A", "B"};
    QTest::newRow("one empty line between is skipped") << u"A\r\n\r\nB"_s << Lines{"A", "B"};
    QTest::newRow("two empty lines end the macro") << u"A\r\n\r\n\r\nB"_s << Lines{"A"};
    QTest::newRow("a single skip each time") << u"A\r\n\r\nB\r\n\r\nC\r\n\r\n\r\nD"_s << Lines{"A", "B", "C"};
    QTest::newRow("leading line break says nothing") << u"\r\nA\r\nB"_s << Lines{};
    QTest::newRow("trailing line break changes nothing") << u"A\r\nB\r\n"_s << Lines{"A", "B"};
    QTest::newRow("empty macro") << QString() << Lines{};
    QTest::newRow("a bare LF is no line break") << u"A\nB"_s << Lines{"A\nB"};
    QTest::newRow("blanks make a line") << u"A\r\n \r\nB"_s << Lines{"A", " ", "B"};
    QTest::newRow("Windows-1252 letters") << u"Zoë wins 5 €"_s << Lines{"Zo\xEB wins 5 \x80"};
}

void MacroSenderTest::saysTheLinesOfAMacro()
{
    QFETCH(QString, text);
    QFETCH(Lines, said);

    Sending s;
    s.bank.setText(7, text);
    s.bank.setText(6, u"not this one"_s);
    s.sender.cmdCommunicate_Click(7);

    QCOMPARE(ScriptedWadapi::said(0), said);
    for (const auto &call : ScriptedWadapi::calls()) {
        if (call.function == u"DapiCommunicate") {
            QCOMPARE(call.mode, 0);
            QCOMPARE(call.target, QByteArray()); // room lines name nobody
        }
    }
    QCOMPARE(s.clock.waits().size(), 0); // no pacing pause between lines
    QVERIFY(s.input.isEnabled());
}

void MacroSenderTest::anEmptyMacroAfterOneThatStoppedEarlySaysNothing()
{
    Sending s;
    s.bank.setText(0, u"A\r\n\r\n\r\nB\r\nC"_s);
    s.sender.cmdCommunicate_Click(0);
    QCOMPARE(ScriptedWadapi::said(0), Lines{"A"});

    ScriptedWadapi::clearCalls();
    s.sender.cmdCommunicate_Click(1); // empty: the first macro's rest stays unsaid
    QCOMPARE(ScriptedWadapi::said(0), Lines{});

    s.bank.setText(2, u"X"_s);
    s.sender.cmdCommunicate_Click(2);
    QCOMPARE(ScriptedWadapi::said(0), Lines{"X"});
}

void MacroSenderTest::theWindowWaitsWhileAMacroIsSaid()
{
    Sending s;
    s.bank.setText(3, u"A\r\nB\r\nC"_s);
    QList<std::pair<bool, qsizetype>> changes; // enabled, lines said by then
    connect(&s.input, &WindowInput::enabledChanged, this,
            [&changes](bool enabled) { changes.append({enabled, ScriptedWadapi::said(0).size()}); });

    s.sender.cmdCommunicate_Click(3);
    QCOMPARE(changes, (QList<std::pair<bool, qsizetype>>{{false, 0}, {true, 3}}));
}

void MacroSenderTest::everyClickSavesThePlayerLists()
{
    Sending s;
    s.lists.lstAvatars.add(u"Zoë"_s);
    s.bank.setText(0, u"\r\nnever said"_s);

    s.sender.cmdCommunicate_Click(0);
    QCOMPARE(s.recoveryFile(), QByteArray("lstAvatars\r\nZo\xEB\r\n"));

    s.lists.List1.add(u"Ann"_s);
    s.sender.cmdCommunicate_Click(19); // empty
    QCOMPARE(s.recoveryFile(), QByteArray("lstAvatars\r\nZo\xEB\r\nList1\r\nAnn\r\n"));
    QCOMPARE(ScriptedWadapi::said(0), Lines{});
}
