#include "window/colourpanel.h"

#include "core/playerlists.h"
#include "games/colourcaller.h"
#include "ui_mainwindow.h"
#include "window/windowcontrols.h"
#include "window/windowlayout.h"

#include <limits>

ColourPanel::ColourPanel(Ui::MainWindow &ui, const WindowControls &controls, ColourCaller &colours, PlayerLists &lists,
                         WindowLayout &layout, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_colours(colours)
    , m_layout(layout)
{
    for (int c = 0; c < ColourCaller::ColourCount; ++c) {
        const auto colour = static_cast<ColourCaller::Colour>(c);
        const WindowControls::Colour &parts = controls.colours[c];
        // A holder is a player's name, which may be longer than a box takes by default.
        parts.holder->setMaxLength(std::numeric_limits<int>::max());
        // Any change of the box, clicked or not; the caller ignores the state it holds.
        connect(parts.inPlay, &QCheckBox::toggled, &colours,
                [&colours, colour](bool checked) { colours.setInPlay(colour, checked); });
        connect(parts.holder, &QLineEdit::textEdited, &colours,
                [&colours, colour](const QString &text) { colours.setHolder(colour, text); });
        connect(parts.fromWinners, &QAction::triggered, &colours,
                [&colours, &lists, colour] { colours.give(colour, lists.winners.selectedName()); });
        connect(parts.fromCalled, &QAction::triggered, &colours,
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
    const WindowControls::Colour &parts = m_controls.colours[colour];
    parts.inPlay->setChecked(m_colours.isInPlay(c));
    if (parts.holder->text() != m_colours.holder(c))
        parts.holder->setText(m_colours.holder(c));
    parts.fromWinners->setEnabled(m_colours.isOffered(c));
    parts.fromCalled->setEnabled(m_colours.isOffered(c));
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
