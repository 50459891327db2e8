#include "macros/macrosender.h"

#include "macros/macrobank.h"
#include "macrostests.h"
#include "support/gamesfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

// A macro is said line by line and at once.
void MacroTest::aMacroIsSaidLineByLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("said");

    QTest::newRow("two lines") << u"A\r\nB"_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("one empty line is skipped, two end the macro")
        << u"A\r\n\r\nB\r\n\r\n\r\nC"_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("a leading line break says nothing") << u"\r\nA\r\nB"_s << QStringList{};
    QTest::newRow("a trailing line break changes nothing") << u"A\r\nB\r\n"_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("an empty macro") << QString() << QStringList{};
    QTest::newRow("a bare LF is no line break") << u"A\nB"_s << QStringList{u"A\nB"_s};
    QTest::newRow("blanks make a line") << u"A\r\n \r\nB"_s << QStringList{u"A"_s, u" "_s, u"B"_s};
}

void MacroTest::aMacroIsSaidLineByLine()
{
    QFETCH(QString, text);
    QFETCH(QStringList, said);

    GamesFixture f;
    GameSession &s = f.session;
    MacroBank bank;
    MacroSender sender(bank, s.link, s.tokenizer, s.input, s.recovery, s.journal);
    bank.setText(12, text);
    // The line walk is shared: the rest of a macro that stopped early is never said.
    bank.setText(11, u"said before\r\n\r\n\r\nnever said"_s);
    sender.say(11);
    s.lists.players.add(u"Zoë"_s);                  // saved only by the macro said next
    QList<std::pair<bool, qsizetype>> inputChanges; // enabled, lines said by then
    connect(&s.input, &WindowInput::enabledChanged, this, [&inputChanges, &f](bool on) {
        inputChanges.append({on, f.said().size()});
    });
    f.clear();

    f.press([&sender] { sender.say(12); });

    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), QList<qint64>(said.size(), 0)); // no pacing pause between the lines
    // The window waits until the last line is said.
    QCOMPARE(inputChanges, (QList<std::pair<bool, qsizetype>>{{false, 0}, {true, said.size()}}));
    // Every macro said saves the player lists, even one that says nothing.
    QCOMPARE(f.recoveryFile(), QByteArray("lstAvatars\r\nZo\xEB\r\n"));
}
