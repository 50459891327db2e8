#include "window/colourpanel.h"

#include "core/playerlists.h"
#include "games/colourcaller.h"
#include "ui_mainwindow.h"
#include "window/windowlayout.h"

#include <limits>

namespace {

struct ColourControls
{
    QCheckBox *inPlay;
    QLineEdit *holder;
    QAction *fromWinners; // the raffle winners' menu
    QAction *fromCalled;  // the Lister's called players' menu
};

ColourControls controlsOf(Ui::MainWindow &ui, int colour)
{
    const ColourControls all[] = {
        {ui.Check4, ui.txtcolor_0, ui.mnuRed, ui.mnuRed1},     {ui.Check5, ui.txtcolor_1, ui.mnuBlue, ui.mnuBlue1},
        {ui.Check6, ui.txtcolor_2, ui.mnuGreen, ui.mnuGreen1}, {ui.Check7, ui.txtcolor_3, ui.mnuSilver, ui.mnuSilver1},
        {ui.Check8, ui.txtcolor_4, ui.mnuBlack, ui.mnuBlack1}, {ui.Check9, ui.txtcolor_5, ui.mnuGold, ui.mnuGold1}};
    return all[colour];
}

} // namespace

ColourPanel::ColourPanel(Ui::MainWindow &ui, ColourCaller &colours, PlayerLists &lists, WindowLayout &layout,
                         QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_colours(colours)
    , m_layout(layout)
{
    for (int c = 0; c < ColourCaller::ColourCount; ++c) {
        const auto colour = static_cast<ColourCaller::Colour>(c);
        const ColourControls controls = controlsOf(ui, c);
        controls.inPlay->setAccessibleName(ColourCaller::nameOf(colour));
        // A holder is a player's name, which may be longer than a box takes by default.
        controls.holder->setMaxLength(std::numeric_limits<int>::max());
        // Any change of the box, clicked or not; the caller ignores the state it holds.
        connect(controls.inPlay, &QCheckBox::toggled, &colours,
                [&colours, colour](bool checked) { colours.setInPlay(colour, checked); });
        connect(controls.holder, &QLineEdit::textEdited, &colours,
                [&colours, colour](const QString &text) { colours.setHolder(colour, text); });
        connect(controls.fromWinners, &QAction::triggered, &colours,
                [&colours, &lists, colour] { colours.give(colour, lists.winners.selectedName()); });
        connect(controls.fromCalled, &QAction::triggered, &colours,
                [&colours, &lists, colour] { colours.give(colour, lists.called.selectedName()); });
        show(c);
    }
    connect(&colours, &ColourCaller::colourChanged, this, &ColourPanel::show);
    connect(ui.Command22, &QPushButton::clicked, this, &ColourPanel::Command22_Click);
    connect(ui.Command23, &QPushButton::clicked, this, &ColourPanel::Command23_Click);
    connect(ui.Command24, &QPushButton::clicked, this, &ColourPanel::Command24_Click);
}

void ColourPanel::show(int colour)
{
    const auto c = static_cast<ColourCaller::Colour>(colour);
    const ColourControls controls = controlsOf(m_ui, colour);
    controls.inPlay->setChecked(m_colours.isInPlay(c));
    if (controls.holder->text() != m_colours.holder(c))
        controls.holder->setText(m_colours.holder(c));
    controls.fromWinners->setEnabled(m_colours.isOffered(c));
    controls.fromCalled->setEnabled(m_colours.isOffered(c));
}

void ColourPanel::Command22_Click()
{
    m_colours.sayColours();
}

void ColourPanel::Command23_Click()
{
    m_colours.reset();
}

void ColourPanel::Command24_Click()
{
    m_layout.closeColourCaller();
}
