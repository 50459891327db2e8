#include "colourcallertest.h"

#include "support/programfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kStartLines{u"Colors remaning are"_s, u"Red"_s,   u"Blue"_s,  u"Green"_s,
                              u"Silver"_s,            u"Black"_s, u"Gold"_s, u"Please chose a color"_s};

QStringList with(QStringList lines, int row, const QString &text)
{
    lines[row + 1] = text;
    return lines;
}

} // namespace

// Steps: "give COLOUR from List1|List4", "uncheck COLOUR", "check COLOUR",
// "type COLOUR NAME", "select List1|List4 N", "reset".
void ColourCallerTest::colourStateFollowsTheHost_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("said");        // what "Say colors" says afterwards
    QTest::addColumn<QStringList>("announced");   // lines said by the steps themselves
    QTest::addColumn<QList<bool>>("offered");     // mnuRed .. mnuGold enabled

    const QList<bool> all(6, true);
    QList<bool> noRed = all;
    noRed[0] = false;
    QTest::newRow("start state") << QStringList{} << kStartLines << QStringList{} << all;
    QTest::newRow("Red to the selected winner") << QStringList{u"select List1 0"_s, u"give 0 List1"_s}
                                                << with(kStartLines, 0, u"Alice = Red"_s)
                                                << QStringList{u"Alice = Red"_s} << noRed;
    QTest::newRow("a called player's colour") << QStringList{u"select List4 0"_s, u"give 5 List4"_s}
                                              << with(kStartLines, 5, u"Carol = Gold"_s)
                                              << QStringList{u"Carol = Gold"_s}
                                              << QList<bool>{true, true, true, true, true, false};
    QTest::newRow("nobody selected") << QStringList{u"give 0 List1"_s} << with(kStartLines, 0, QString())
                                     << QStringList{u" = Red"_s} << noRed;
    QTest::newRow("Gold out of play says an empty line") << QStringList{u"uncheck 5"_s}
                                                         << with(kStartLines, 5, QString()) << QStringList{} << all;
    QTest::newRow("a typed holder, then overwritten")
        << QStringList{u"type 2 Bob"_s, u"select List1 0"_s, u"give 2 List1"_s}
        << with(kStartLines, 2, u"Alice = Green"_s) << QStringList{u"Alice = Green"_s}
        << QList<bool>{true, true, false, true, true, true};
    QTest::newRow("the holder wins over the check box")
        << QStringList{u"select List1 0"_s, u"give 0 List1"_s, u"check 0"_s}
        << with(kStartLines, 0, u"Alice = Red"_s) << QStringList{u"Alice = Red"_s} << noRed;
    QTest::newRow("one player, several colours")
        << QStringList{u"select List1 0"_s, u"give 0 List1"_s, u"give 1 List1"_s}
        << with(with(kStartLines, 0, u"Alice = Red"_s), 1, u"Alice = Blue"_s)
        << QStringList{u"Alice = Red"_s, u"Alice = Blue"_s} << QList<bool>{false, false, true, true, true, true};
    QTest::newRow("reset returns to the start")
        << QStringList{u"select List1 0"_s, u"give 0 List1"_s, u"uncheck 3"_s, u"type 4 Bob"_s, u"reset"_s}
        << kStartLines << QStringList{u"Alice = Red"_s} << all;
}

void ColourCallerTest::colourStateFollowsTheHost()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, said);
    QFETCH(QStringList, announced);
    QFETCH(QList<bool>, offered);

    ProgramFixture f;
    Ui::Draw &ui = f.ui();
    f.program->lists().List1.add(u"Alice"_s);
    f.program->lists().List4.add(u"Carol"_s);
    QCheckBox *const inPlay[] = {ui.Check4, ui.Check5, ui.Check6, ui.Check7, ui.Check8, ui.Check9};
    QLineEdit *const holders[] = {ui.txtcolor_0, ui.txtcolor_1, ui.txtcolor_2,
                                  ui.txtcolor_3, ui.txtcolor_4, ui.txtcolor_5};
    QAction *const fromWinners[] = {ui.mnuRed, ui.mnuBlue, ui.mnuGreen, ui.mnuSilver, ui.mnuBlack, ui.mnuGold};
    QAction *const fromCalled[] = {ui.mnuRed1, ui.mnuBlue1, ui.mnuGreen1, ui.mnuSilver1, ui.mnuBlack1, ui.mnuGold1};
    f.clear();

    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        const int colour = words.value(1).toInt();
        if (words[0] == u"select")
            (words[1] == u"List1" ? f.program->lists().List1 : f.program->lists().List4).setSelected(words[2].toInt());
        else if (words[0] == u"give")
            (words[2] == u"List1" ? fromWinners : fromCalled)[colour]->trigger();
        else if (words[0] == u"uncheck" || words[0] == u"check") {
            if (inPlay[colour]->isChecked() != (words[0] == u"check"))
                inPlay[colour]->click();
        } else if (words[0] == u"type") {
            holders[colour]->selectAll();
            QTest::keyClicks(holders[colour], words[2]);
        } else if (words[0] == u"reset")
            ui.Command23->click();
    }
    QCOMPARE(f.said(), announced);
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(fromWinners[c]->isEnabled(), offered[c]);
        QCOMPARE(fromCalled[c]->isEnabled(), offered[c]);
        // The name box shows the colour's name exactly while it is in play.
        const auto colour = static_cast<ColourCaller::Colour>(c);
        QCOMPARE(f.program->colours().nameBox(colour),
                 inPlay[c]->isChecked() ? ColourCaller::nameOf(colour) : QString());
        QCOMPARE(holders[c]->text(), f.program->colours().holder(colour));
    }

    f.clear();
    ui.Command22->click();
    QCOMPARE(f.said(), said);
    QVERIFY(f.program->input().isEnabled());
}

void ColourCallerTest::panelComesAndGoesWithTheMode()
{
    ProgramFixture f;
    Ui::Draw &ui = f.ui();
    ui.mnuLister->trigger();
    ui.Command25->click();
    QVERIFY(!ui.Frame22->isHidden());
    QVERIFY(ui.Frame3->isHidden());
    QVERIFY(!ui.Frame5->isHidden()); // the game's buttons stay usable
    ui.Command24->click();
    QVERIFY(ui.Frame22->isHidden());
    QVERIFY(!ui.Frame3->isHidden());
    QVERIFY(ui.Frame2->isHidden());
}
