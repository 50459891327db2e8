#include "games/listediting.h"
#include "gamestests.h"
#include "support/gamesfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kStartLines{
    u"Colors remaning are"_s, u"Red"_s, u"Blue"_s, u"Green"_s, u"Silver"_s, u"Black"_s, u"Gold"_s,
    u"Please chose a color"_s};

// The colours' lines with those of the given colours (0 Red .. 5 Gold) replaced.
QStringList with(const QMap<int, QString> &lines)
{
    QStringList said = kStartLines;
    for (auto it = lines.cbegin(); it != lines.cend(); ++it)
        said[it.key() + 1] = it.value();
    return said;
}

} // namespace

// Steps: "give COLOUR [NAME]" (a winners' menu item, NAME the selected
// player), "uncheck COLOUR", "check COLOUR", "type COLOUR NAME", "reset".
// "Say colors" names each colour's holder, or the colour while it is in play.
void GameTest::coloursFollowTheHost_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("said");      // what "Say colors" says afterwards
    QTest::addColumn<QStringList>("announced"); // lines said by the steps themselves
    QTest::addColumn<QList<bool>>("offered");   // by the winners' menus, Red .. Gold

    QTest::newRow("several colours to a winner; a typed holder overwritten; the holder wins over the box")
        << QStringList{u"give 0 Alice"_s, u"give 1 Alice"_s, u"check 0"_s, u"type 2 Bob"_s, u"give 2 Alice"_s}
        << with({{0, u"Alice = Red"_s}, {1, u"Alice = Blue"_s}, {2, u"Alice = Green"_s}})
        << QStringList{u"Alice = Red"_s, u"Alice = Blue"_s, u"Alice = Green"_s}
        << QList<bool>{false, false, false, true, true, true};
    QTest::newRow("a typed holder; one out of play says an empty line")
        << QStringList{u"give 5 Carol"_s, u"type 3 Bob"_s, u"uncheck 4"_s}
        << with({{3, u"Bob = Silver"_s}, {4, QString()}, {5, u"Carol = Gold"_s}}) << QStringList{u"Carol = Gold"_s}
        << QList<bool>{true, true, true, true, true, false};
    QTest::newRow("nobody selected") << QStringList{u"give 0"_s} << with({{0, QString()}}) << QStringList{u" = Red"_s}
                                     << QList<bool>{false, true, true, true, true, true};
    QTest::newRow("reset returns to the start")
        << QStringList{u"give 0 Alice"_s, u"uncheck 3"_s, u"type 4 Bob"_s, u"reset"_s} << kStartLines
        << QStringList{u"Alice = Red"_s} << QList<bool>(6, true);
}

void GameTest::coloursFollowTheHost()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, said);
    QFETCH(QStringList, announced);
    QFETCH(QList<bool>, offered);

    GamesFixture f;
    ColourCaller &colours = f.session.colours;
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        const auto colour = static_cast<ColourCaller::Colour>(words.value(1).toInt());
        if (words[0] == u"give")
            colours.give(colour, words.value(2));
        else if (words[0] == u"uncheck" || words[0] == u"check")
            colours.setInPlay(colour, words[0] == u"check");
        else if (words[0] == u"type")
            colours.setHolder(colour, words[2]);
        else if (words[0] == u"reset")
            colours.reset();
    }
    QCOMPARE(f.said(), announced);
    for (int c = 0; c < ColourCaller::ColourCount; ++c)
        QCOMPARE(colours.isOffered(static_cast<ColourCaller::Colour>(c)), offered[c]);

    f.clear();
    f.press([&colours] { colours.sayColours(); });
    QCOMPARE(f.said(), said);
    QVERIFY(f.session.input.isEnabled());
}

// The host's hand on a list acts on its selected entry, and on nothing when
// none is selected: removing tells the room, adding back moves a player
// without a word. Neither saves the lists.
void GameTest::handEditsActOnTheSelectedEntry_data()
{
    QTest::addColumn<bool>("remove"); // or add back: a winner among the players, a called player into the queue
    QTest::addColumn<int>("list");    // PlayerLists::all() index
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("lists"); // afterwards; before: "Ann,Cy|Zed,Ann||Dee|Eve,Fay"

    QTest::newRow("remove from the players")
        << true << 0 << 1 << u"*** Cy has been removed ***"_s << u"Ann|Zed,Ann||Dee|Eve,Fay"_s;
    QTest::newRow("remove the only queued player")
        << true << 3 << 0 << u"*** Dee has been removed ***"_s << u"Ann,Cy|Zed,Ann|||Eve,Fay"_s;
    QTest::newRow("nothing selected to remove") << true << 4 << -1 << QString() << u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s;
    QTest::newRow("a winner back among the players, twice over")
        << false << 1 << 1 << QString() << u"Ann,Ann,Cy|Zed||Dee|Eve,Fay"_s;
    QTest::newRow("a called player back at the end of the queue")
        << false << 4 << 0 << QString() << u"Ann,Cy|Zed,Ann||Dee,Eve|Fay"_s;
    QTest::newRow("nothing selected to add back") << false << 1 << -1 << QString() << u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s;
}

void GameTest::handEditsActOnTheSelectedEntry()
{
    QFETCH(bool, remove);
    QFETCH(int, list);
    QFETCH(int, selected);
    QFETCH(QString, said);
    QFETCH(QString, lists);

    GamesFixture f;
    PlayerLists &all = f.session.lists;
    fillLists(all, u"Ann,Cy|Zed,Ann||Dee|Eve,Fay"_s);
    PlayerList &edited = *all.all()[std::size_t(list)];
    edited.setSelected(selected);

    if (remove)
        ListEditing::removePlayer(f.session.link, edited, f.session.journal);
    else
        ListEditing::addPlayerBack(edited, &edited == &all.winners ? all.players : all.queue, f.session.journal);

    QCOMPARE(f.said().join(u'\n'), said);
    QCOMPARE(listsOf(all), lists);
    QCOMPARE(f.recoveryFile(), QByteArray("<none>")); // hand edits are saved by the next game action
}
