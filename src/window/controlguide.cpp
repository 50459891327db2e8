#include "window/controlguide.h"

#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

struct Guide
{
    const char16_t *control;
    const char16_t *name;    // nullptr: the control's own caption
    const char16_t *toolTip; // nullptr: none
};

// Every control that has something to say, in the window's reading order.
constexpr Guide kGuides[] = {
    // Opening mode of both games' Start.
    {u"Option1", nullptr, u"Start begins afresh: empty player lists, round 1, all colours back in play"},
    {u"Option2", nullptr, u"Start puts the last game's winners back among the players; nobody needs to register again"},

    // Player lists.
    {u"lstAvatars", u"Raffler (Players)", u"Players still in the draw. Right-click a name to remove it"},
    {u"List1", u"Winners",
     u"The raffle's winners, in the order drawn. Right-click a name to remove it, put it "
     u"back among the players or give it a colour"},
    {u"List3", u"Lister (Players)", u"The queue, in order of arrival. Right-click a name to remove it"},
    {u"List4", u"Winners",
     u"Players already called forward. Right-click a name to remove it, put it back in the "
     u"queue or give it a colour"},

    // Colour caller.
    {u"Command22", nullptr, u"Say who holds each colour and which colours are left"},
    {u"Command24", nullptr, u"Close the colour caller and show the player lists again"},
    {u"Command23", nullptr, u"Put all six colours back in play, with no holders"},

    // Raffle buttons.
    {u"cmdStart", nullptr,
     u"Open a raffle: announce it, learn your avatar's name from the chat and invite "
     u"players to register (Clear List or Reset List decides what happens to the lists)"},
    {u"Command13", nullptr, u"Say which round this is, out of how many"},
    {u"Command32", nullptr, u"Announce the game and invite registrations again"},
    {u"cmdGetText", nullptr, u"Read the chat and put every player who sent the registration symbol on the lists"},
    {u"Command1", nullptr, u"Read out the players still in the draw (and the winners, with Say Winners List? on)"},
    {u"Command29", nullptr, u"Count down to the close of registration, ten seconds"},
    {u"Command3", nullptr,
     u"Draw winners at random, # of Draws at a time, and announce them; with Say Prizes? on, "
     u"also name each prize, add the winner to Winners and send the ESP Winner text"},
    {u"cmdExit", nullptr, u"Close the program"},
    {u"Command19", nullptr, u"Bring back the player lists as they were last saved, and say so in the room"},
    {u"Command21", nullptr, u"Show the colour caller in place of the player lists"},
    {u"Command34", nullptr, u"Announce the prizes, one line per place, up to # of Prizes"},

    // Lister buttons.
    {u"Command8", nullptr,
     u"Open a Lister game: announce it and invite players to register (Clear List or "
     u"Reset List decides what happens to the queue)"},
    {u"Command31", nullptr, u"Announce the game and invite registrations again"},
    {u"Command9", nullptr, u"Read the chat and put every player who sent the registration symbol in the queue"},
    {u"Command11", nullptr, u"Read out the queue (and the players already called, with Say Winners List? on)"},
    {u"Command30", nullptr, u"Count down to the close of registration, ten seconds"},
    {u"Command12", nullptr,
     u"Warn the first player in the queue: send the Say Next (ESP) text and say the name "
     u"with the Say Next (Say) text"},
    {u"Command7", nullptr,
     u"Call the first player in the queue forward with the Call Next texts and move the "
     u"name to the list below"},
    {u"Command10", nullptr, u"Close the program"},
    {u"Command20", nullptr, u"Bring back the player lists as they were last saved, and say so in the room"},
    {u"Command25", nullptr, u"Show the colour caller in place of the player lists"},
    {u"Command33", nullptr, u"Announce the prizes, one line per place, up to # of Prizes"},

    // Macro editor.
    {u"HScroll1", nullptr, u"Show another of the twenty macros"},
    {u"Command27", nullptr, u"Save all twenty macros in a macro file (.mac)"},
    {u"Command28", nullptr, u"Load twenty macros from a macro file (.mac)"},
    {u"Command26", nullptr, u"Empty the macro shown"},
    {u"Command6", nullptr, u"Close the editor; the macro buttons' tooltips show the new texts"},

    // Main settings.
    {u"Check1", nullptr, u"Send each player whose registration is taken the text beside"},
    {u"txtSettings_1", u"ESP Confermation",
     u"Sent by ESP to a player whose registration was taken, while "
     u"Confermation? is on"},
    {u"txtSettings_0", u"Symbol For reg", u"What players send you by ESP to register"},
    {u"Check2", nullptr, u"Say List also reads out the winners, or the players already called"},
    {u"txtSettings_10", u"First Line on List", u"Ends the headline before the winners are read out"},
    {u"txtSettings_13", u"Delay", u"Seconds between the lines the games say, 0 to 3"},
    {u"VScroll2", u"Delay", u"Set the seconds between the lines the games say (also Settings > Delay)"},
    {u"txtSettings_17", u"Welcome Line", u"Said when a game starts"},
    {u"Check3", nullptr,
     u"Each Draw names the winner's prize, adds the winner to Winners and sends the ESP "
     u"Winner text"},
    {u"VScroll1", nullptr, u"Show another of the ten prizes; moving it also saves them"},
    {u"txtSettings_18", u"# of Prizes", u"How many prizes Say Prizes announces"},
    {u"txtSettings_19", u"First Line of Prizes", u"Said before the prizes"},

    // Raffler settings.
    {u"txtSettings_4", u"ESP Winner", u"Sent by ESP to each winner, while Say Prizes? is on"},
    {u"txtSettings_5", u"Say winning Text", u"Kept with the settings; no game says it"},
    {u"txtSettings_6", u"# of Draws", u"How many winners one Draw picks"},
    {u"txtSettings_9", u"Rounds", u"How many rounds the raffle has"},
    {u"txtSettings_7", u"Rounds", u"The current round; each Draw counts it up"},
    {u"txtSettings_8", u"OF", u"The number of rounds, taken from the first box"},

    // Lister settings.
    {u"txtSettings_2", u"Say Next (ESP)", u"Sent by ESP to the first player in the queue by Say Next"},
    {u"txtSettings_3", u"Say Next (Say)",
     u"Said in the room after that player's name by Say Next; leave it "
     u"empty to say nothing"},
    {u"txtSettings_11", u"Call Next (ESP)", u"Sent by ESP to the player called forward by Call Next"},
    {u"txtSettings_12", u"Call Next (Say)", u"Said in the room after the called player's name"},

    // Settings buttons.
    {u"Command14", nullptr, u"Show the Lister's texts"},
    {u"Command15", nullptr, u"Show the raffle's texts and counts"},
    {u"Command16", nullptr, u"Show the registration texts, the delay, the welcome line and the prizes"},
    {u"Command18", nullptr, u"Empty every setting and every prize; nothing is saved until Ok"},
    {u"Command2", nullptr,
     u"Put the default texts back and name the prizes Prize #1 to Prize #10; nothing is "
     u"saved until Ok"},
    {u"Command17", nullptr, u"Save the settings and close them"},

    {u"menubar", u"Menu bar", nullptr},
};

// The order Tab takes, panel by panel as the eye reads the window; hidden
// and disabled controls are passed over.
constexpr const char16_t *kTabOrder[] = {
    u"Option1",
    u"Option2",
    u"lstAvatars",
    u"List1",
    u"List3",
    u"List4",
    u"Check4",
    u"txtcolor_0",
    u"Check5",
    u"txtcolor_1",
    u"Check6",
    u"txtcolor_2",
    u"Check7",
    u"txtcolor_3",
    u"Check8",
    u"txtcolor_4",
    u"Check9",
    u"txtcolor_5",
    u"Command22",
    u"Command24",
    u"Command23",
    u"cmdStart",
    u"Command13",
    u"Command32",
    u"cmdGetText",
    u"Command1",
    u"Command29",
    u"Command3",
    u"cmdExit",
    u"Command19",
    u"Command21",
    u"Command34",
    u"Command8",
    u"Command31",
    u"Command9",
    u"Command11",
    u"Command30",
    u"Command12",
    u"Command7",
    u"Command10",
    u"Command20",
    u"Command25",
    u"Command33",
    u"cmdCommunicate_0",
    u"cmdCommunicate_1",
    u"cmdCommunicate_2",
    u"cmdCommunicate_3",
    u"cmdCommunicate_4",
    u"cmdCommunicate_5",
    u"cmdCommunicate_6",
    u"cmdCommunicate_7",
    u"cmdCommunicate_8",
    u"cmdCommunicate_9",
    u"cmdCommunicate_10",
    u"cmdCommunicate_11",
    u"cmdCommunicate_12",
    u"cmdCommunicate_13",
    u"cmdCommunicate_14",
    u"cmdCommunicate_15",
    u"cmdCommunicate_16",
    u"cmdCommunicate_17",
    u"cmdCommunicate_18",
    u"cmdCommunicate_19",
    u"txtText_0",
    u"txtText_1",
    u"txtText_2",
    u"txtText_3",
    u"txtText_4",
    u"txtText_5",
    u"txtText_6",
    u"txtText_7",
    u"txtText_8",
    u"txtText_9",
    u"txtText_10",
    u"txtText_11",
    u"txtText_12",
    u"txtText_13",
    u"txtText_14",
    u"txtText_15",
    u"txtText_16",
    u"txtText_17",
    u"txtText_18",
    u"txtText_19",
    u"HScroll1",
    u"Command27",
    u"Command28",
    u"Command26",
    u"Command6",
    u"Check1",
    u"txtSettings_1",
    u"txtSettings_0",
    u"Check2",
    u"txtSettings_10",
    u"txtSettings_13",
    u"VScroll2",
    u"txtSettings_17",
    u"Check3",
    u"txtPrizes_0",
    u"txtPrizes_1",
    u"txtPrizes_2",
    u"txtPrizes_3",
    u"txtPrizes_4",
    u"txtPrizes_5",
    u"txtPrizes_6",
    u"txtPrizes_7",
    u"txtPrizes_8",
    u"txtPrizes_9",
    u"VScroll1",
    u"txtSettings_18",
    u"txtSettings_19",
    u"txtSettings_4",
    u"txtSettings_5",
    u"txtSettings_6",
    u"txtSettings_9",
    u"txtSettings_7",
    u"txtSettings_8",
    u"txtSettings_2",
    u"txtSettings_3",
    u"txtSettings_11",
    u"txtSettings_12",
    u"Command14",
    u"Command15",
    u"Command16",
    u"Command18",
    u"Command2",
    u"Command17",
};

// Paging scroll bars are named after the frame whose caption says the page.
// Qt would take the frame's caption too, but would not tell a screen reader
// of the change; setting the name does.
void nameAfterFrame(QScrollBar *bar, const QGroupBox *frame)
{
    bar->setAccessibleName(frame->title());
    // Connected after the panels that retitle the frame, so it runs after them.
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [bar, frame] { bar->setAccessibleName(frame->title()); });
}

} // namespace

void setFrameTitle(QGroupBox *frame, const QString &title)
{
    frame->setTitle(title);
    frame->setAccessibleName(spokenCaption(title));
}

QString captionOf(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *menu = qobject_cast<const QMenu *>(widget))
        return menu->title();
    return {};
}

QString spokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // "&&" is a plain ampersand; "&E" marks the access key E
        spoken += caption[i];
    }
    return spoken;
}

void guideControls(Ui::MainWindow &ui)
{
    QWidget *window = ui.client->window();
    // Qt names a button or label after its caption as it stands, so they get
    // no name here: it would stay when the caption changes. Qt would name a
    // frame within a frame after the outer one, and a menu not at all: they
    // are named here, and a frame whose caption changes by setFrameTitle.
    for (QGroupBox *frame : ui.client->findChildren<QGroupBox *>())
        frame->setAccessibleName(spokenCaption(frame->title()));
    for (QMenu *menu : window->findChildren<QMenu *>())
        menu->setAccessibleName(spokenCaption(menu->title()));

    // The arrays: each element takes its row's or page's caption.
    const char16_t *colours[] = {u"Red", u"Blue", u"Green", u"Silver", u"Black", u"Gold"};
    for (int i = 0; i < 6; ++i) {
        const QString colour = QString::fromUtf16(colours[i]);
        auto *inPlay = window->findChild<QAbstractButton *>(u"Check"_s + QString::number(4 + i));
        inPlay->setAccessibleName(colour);
        inPlay->setToolTip(colour + u" is in play: it can still be given, and Say colors names it"_s);
        auto *holder = window->findChild<QWidget *>(u"txtcolor_"_s + QString::number(i));
        holder->setAccessibleName(colour);
        holder->setToolTip(u"Who holds "_s + colour);
    }
    for (int i = 0; i < 10; ++i) {
        auto *prize = window->findChild<QWidget *>(u"txtPrizes_"_s + QString::number(i));
        prize->setAccessibleName(u"Prize # "_s + QString::number(i + 1));
        prize->setToolTip(u"The prize for place "_s + QString::number(i + 1));
    }
    for (int i = 0; i < 20; ++i) {
        auto *macro = window->findChild<QWidget *>(u"txtText_"_s + QString::number(i));
        macro->setAccessibleName(u"Macro #"_s + QString::number(i + 1));
        macro->setToolTip(u"Each line is said in the room in turn when macro button "_s + QString::number(i + 1)
                          + u" is clicked"_s);
    }

    for (const Guide &guide : kGuides) {
        auto *widget = window->findChild<QWidget *>(QString::fromUtf16(guide.control));
        if (!widget)
            continue;
        if (guide.name)
            widget->setAccessibleName(QString::fromUtf16(guide.name));
        if (guide.toolTip)
            widget->setToolTip(QString::fromUtf16(guide.toolTip));
    }
    nameAfterFrame(ui.HScroll1, ui.fra1);
    nameAfterFrame(ui.VScroll1, ui.Frame17);

    // The scroll bars that set a value can be worked from the keyboard too.
    for (QScrollBar *bar : {ui.HScroll1, ui.VScroll1, ui.VScroll2})
        bar->setFocusPolicy(Qt::StrongFocus);
    // Tab leaves a macro box rather than typing a tab the room would not show.
    for (int i = 0; i < 20; ++i)
        window->findChild<QTextEdit *>(u"txtText_"_s + QString::number(i))->setTabChangesFocus(true);

    QWidget *previous = nullptr;
    for (const char16_t *name : kTabOrder) {
        QWidget *next = window->findChild<QWidget *>(QString::fromUtf16(name));
        if (!next)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
