#include "support/programfixture.h"
#include "window/filemenu.h"
#include "window/helpmenu.h"
#include "window/historywindow.h"
#include "windowtests.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the host can tell of the program, by name.
QString fact(ProgramFixture &f, const QString &name, const QSignalSpy &ended)
{
    Program &program = *f.program;
    GameSession &session = program.session();
    Ui::MainWindow &ui = f.ui();
    QStringList parts;
    if (name == u"said")
        return f.said().value(0);
    if (name == u"lists")
        return listsOf(session.lists);
    if (name == u"files")
        return QDir(f.dir.path()).entryList(QDir::Files).join(u' ');
    if (name == u"panels") {
        for (QWidget *panel :
             {ui.Frame2, ui.Frame3, ui.Frame22, ui.Frame4, ui.Frame5, ui.Frame9, ui.Frame6, ui.Frame10}) {
            if (panel->isVisibleTo(&program.window()))
                parts << panel->objectName();
        }
        const QSize size = program.layout().outerSize();
        return parts.join(u' ') + u" %1x%2"_s.arg(size.width()).arg(size.height());
    }
    if (name == u"marks") {
        for (QAction *item : {ui.mnuRaffler, ui.mnuLister, ui.mnuStay, ui.mnunone, ui.mnu1, ui.mnu2, ui.mnu3}) {
            if (item->isChecked())
                parts << item->objectName();
        }
        return parts.join(u' ');
    }
    if (name == u"settings") // the symbol, the round and the delay
        return session.settings.item(HostSettings::Symbol) + u',' + session.settings.item(HostSettings::Round) + u','
            + session.settings.item(HostSettings::Delay);
    if (name == u"holders") {
        for (int c = 0; c < ColourCaller::ColourCount; ++c)
            parts << session.colours.holder(static_cast<ColourCaller::Colour>(c));
        return parts.join(u',');
    }
    if (name == u"macro")
        return program.macros().text(program.macros().page());
    if (name == u"dialog")
        return f.prompts.requests.isEmpty() ? QString() : f.prompts.requests.constLast().title;
    if (name == u"ended")
        return ended.isEmpty() ? QString() : u"yes"_s;
    if (name == u"about")
        return program.helpMenu().aboutBox() ? u"open"_s : QString();
    if (name == u"history")
        return program.fileMenu().historyWindow() && program.fileMenu().historyWindow()->isVisible() ? u"open"_s
                                                                                                     : QString();
    return u"no such fact"_s;
}

} // namespace

// Every button and menu item of the window reaches its operation, on one
// evening: C still in the draw, B and A won, Dave queued, Alice and Bob
// called, each list's first entry selected, round 4, no pause between
// lines, twenty macros "Macro 1" to "Macro 20", and Zoe registered. A row
// names the facts that follow from the control, the first of which it
// changes; the others tell it from a twin that does a little more.
void WindowTest::everyButtonAndMenuItemReachesItsOperation_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("steps"); // controls used first
    QTest::addColumn<QString>("facts"); // "name=value;..." afterwards
    const auto row = [](const char *tag, const char *control, const char *steps, const QString &facts) {
        QTest::newRow(tag) << QString::fromLatin1(control) << QString::fromLatin1(steps) << facts;
    };
    const QString compact = u"Frame2 Frame4 Frame9 Frame6 Frame10 3855x5475"_s;
    const QString colourCaller = u"Frame22 Frame4 Frame9 Frame6 Frame10 3855x5475"_s;
    const QString raffleSettings = u"Frame2 Frame4 Frame6 7980x5475"_s;
    const QString registered = u"C,Zoe|B,A|A,B,C,Corvane,Zoe|Dave,Zoe|Alice,Bob"_s;

    row("raffle Start", "cmdStart", "", u"lists=||Corvane|Dave|Alice,Bob"_s);
    row("Round #", "Command13", "", u"said=Round 4 of 10"_s);
    row("raffle Call 4 Reg", "Command32", "", u"said=*** Starting a New Game ***"_s);
    row("raffle Get Reg", "cmdGetText", "", u"lists="_s + registered + u";files=Recover.bak"_s);
    row("raffle Say List", "Command1", "", u"said=There are currenly 1 players on the list"_s);
    row("raffle Closing", "Command29", "", u"said=*** Registration is Closing in 10 ***"_s);
    row("Draw", "Command3", "", u"said=Drawing the winner.."_s);
    row("raffle Exit", "cmdExit", "", u"ended=yes"_s);
    row("raffle Recover", "Command19", "", u"said=*** Recovery in progress ***"_s);
    row("raffle Colors Caller", "Command21", "", u"panels="_s + colourCaller + u";files="_s);
    row("raffle Say Prizes", "Command34", "", u"said=There is 1 Placing this round"_s);

    row("Lister Start", "Command8", "", u"lists=C|B,A|Corvane||"_s);
    row("Lister Call 4 Reg", "Command31", "", u"said=*** Starting a New Game ***"_s);
    row("Lister Get Reg", "Command9", "", u"lists="_s + registered + u";files="_s);
    row("Lister Say List", "Command11", "", u"said=thay are currenly 1 players on the list"_s);
    row("Lister Closing", "Command30", "", u"said=*** Registration is Closing in 10 ***"_s);
    row("Say Next", "Command12", "", u"said=Dave Your are next"_s);
    row("Call Next", "Command7", "", u"said=Dave Please come down you are next"_s);
    row("Lister Exit", "Command10", "", u"ended=yes"_s);
    row("Lister Recover", "Command20", "", u"said=*** Recovery in progress ***"_s);
    row("Lister Colors Caller", "Command25", "", u"panels="_s + colourCaller + u";files=Recover.bak"_s);
    row("Lister Say Prizes", "Command33", "", u"said=There is 1 Placing this round"_s);

    row("Say colors", "Command22", "", u"said=Colors remaning are"_s);
    row("colours Ok", "Command24", "Command21", u"panels="_s + compact);
    row("colours Reset", "Command23", "mnuRed", u"holders=,,,,,"_s);

    row("Lister Settings", "Command14", "", u"panels=Frame2 Frame4 Frame10 7980x5475"_s);
    row("Raffler Settings", "Command15", "", u"panels="_s + raffleSettings);
    row("Main Settings", "Command16", "", u"panels=Frame2 Frame4 Frame9 7980x5475"_s);
    row("settings Clear", "Command18", "", u"settings=,,"_s);
    row("Restore Defults", "Command2", "", u"settings=$,1,1"_s);
    row("settings Ok", "Command17", "Command15", u"panels=Frame2 Frame4 Frame6 3855x5475;files=Settings.txt"_s);

    row("macro Save", "Command27", "", u"dialog=Save File As..."_s);
    row("macro Load", "Command28", "", u"dialog=Open A File"_s);
    row("macro Clear", "Command26", "", u"macro="_s);
    row("macro Ok", "Command6", "mnuEdit", u"panels="_s + compact);
    for (int i = 0; i < MacroBank::kCount; ++i) {
        QTest::addRow("macro button %d", i + 1)
            << u"cmdCommunicate_%1"_s.arg(i) << QString() << u"said=Macro %1"_s.arg(i + 1);
    }

    row("File > Exit", "mnuExit", "", u"ended=yes"_s);
    row("Stay On Top", "mnuStay", "", u"marks=mnuRaffler mnu1"_s);
    row("Delay > None", "mnunone", "mnu3", u"settings=$,4,0;marks=mnuRaffler mnuStay mnunone"_s);
    row("Delay > 1", "mnu1", "", u"settings=$,4,1"_s);
    row("Delay > 2", "mnu2", "", u"settings=$,4,2;marks=mnuRaffler mnuStay mnu2"_s);
    row("Delay > 3", "mnu3", "", u"settings=$,4,3;marks=mnuRaffler mnuStay mnu3"_s);
    row("Hoster Settings > Main", "mnuMain", "", u"panels=Frame2 Frame4 Frame9 7980x5475"_s);
    row("Hoster Settings > Raffler", "mnuSetDraw", "mnuLister", u"panels=Frame3 Frame4 Frame5 Frame6 7980x5475"_s);
    row("Hoster Settings > Lister", "mnuSetLister", "", u"panels=Frame2 Frame4 Frame10 7980x5475"_s);
    row("Settings > Raffler", "mnuRaffler", "mnuLister", u"marks=mnuRaffler mnuStay mnu1;panels="_s + compact);
    row("Settings > Lister", "mnuLister", "", u"panels=Frame3 Frame5 Frame9 Frame6 Frame10 3855x5475"_s);
    row("Macros > Edit", "mnuEdit", "", u"panels=Frame2 Frame4 Frame9 Frame6 Frame10 3855x7935"_s);
    row("Macros > Load", "mnuLoad", "", u"dialog=Open A File"_s);
    row("Macros > Save", "mnuSave", "", u"dialog=Save File As..."_s);
    row("Help > About", "mnuAbout1", "", u"about=open"_s);
    row("File > History...", "mnuHistory", "", u"history=open"_s);

    row("players: Remove PLayer", "mnuAviRemove", "", u"said=*** C has been removed ***"_s);
    row("winners: Remove Player", "mnuRemove", "", u"said=*** B has been removed ***"_s);
    row("winners: Add Player To List", "mnuAdd", "", u"lists=B,C|A|A,B,C,Corvane|Dave|Alice,Bob"_s);
    row("queue: Remove PLayer", "mnuRemoveLister", "", u"said=*** Dave has been removed ***"_s);
    row("called: Remove PLayer", "mnuRe", "", u"said=*** Alice has been removed ***"_s);
    row("called: Add Player To List", "mnuAdd1", "", u"lists=C|B,A|A,B,C,Corvane|Dave,Alice|Bob"_s);
    for (int c = 0; c < ColourCaller::ColourCount; ++c) {
        const QString colour = ColourCaller::nameOf(static_cast<ColourCaller::Colour>(c));
        QTest::addRow("winners: Color > %s", qPrintable(colour))
            << u"mnu"_s + colour << QString() << u"said=B = "_s + colour;
        QTest::addRow("called: Color > %s", qPrintable(colour))
            << u"mnu"_s + colour + u'1' << QString() << u"said=Alice = "_s + colour;
    }
}

void WindowTest::everyButtonAndMenuItemReachesItsOperation()
{
    QFETCH(QString, control);
    QFETCH(QString, steps);
    QFETCH(QString, facts);

    ProgramFixture f;
    Program &program = *f.program;
    GameSession &session = program.session();
    fillLists(session.lists, u"C|B,A|A,B,C,Corvane|Dave|Alice,Bob"_s);
    for (PlayerList *list : session.lists.all())
        list->setSelected(0);
    session.intake.setHost(u"Corvane"_s);
    session.settings.setItem(HostSettings::Round, u"4"_s);
    session.settings.setItem(HostSettings::Delay, u"0"_s);
    for (int i = 0; i < MacroBank::kCount; ++i)
        program.macros().setText(i, u"Macro %1"_s.arg(i + 1));
    ScriptedWadapi::setTranscript("Corvane: Corvane's Hoster\r\nESP from Zoe: $");
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts))
        use(program.window(), step);
    for (const QString &file : QDir(f.dir.path()).entryList(QDir::Files))
        QVERIFY(QFile::remove(f.dir.filePath(file)));
    f.clear();
    QSignalSpy ended(&program, &Program::ended);
    const QString first = facts.section(u'=', 0, 0);
    const QString was = fact(f, first, ended);

    use(program.window(), control);

    for (const QString &each : facts.split(u';')) {
        const QString name = each.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + fact(f, name, ended), each);
    }
    QVERIFY2(fact(f, first, ended) != was, qPrintable(first + u" did not change"_s));
}
