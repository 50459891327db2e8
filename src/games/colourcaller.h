#pragma once

#include <QObject>
#include <QString>

#include <array>

class ChatLink;
class JournalWriter;
class WindowInput;

// The six colours handed out to winners. Each has a holder (the avatar
// that holds it, or empty), an in-play flag (the host's check box), a name
// box that shows the colour's name exactly while it is in play, and whether
// the winners' menus still offer it.
class ColourCaller : public QObject
{
    Q_OBJECT

public:
    enum Colour { Red, Blue, Green, Silver, Black, Gold, ColourCount };

    ColourCaller(ChatLink &link, WindowInput &input, JournalWriter &journal, QObject *parent = nullptr);

    static QString nameOf(Colour colour);

    QString holder(Colour colour) const { return m_colours.at(colour).holder; }
    bool isInPlay(Colour colour) const { return m_colours.at(colour).inPlay; }
    QString nameBox(Colour colour) const { return m_colours.at(colour).nameBox; }
    bool isOffered(Colour colour) const { return m_colours.at(colour).offered; }

    // The host types a holder into its box.
    void setHolder(Colour colour, const QString &holder);
    // The in-play check box changed: a change is the host's and goes on
    // record; the state it holds already (the box following an operation of
    // the caller's own) is no change.
    void setInPlay(Colour colour, bool inPlay);

    // A colour item of a winners' menu: the colour goes to the selected
    // winner (empty when none is selected) and the room hears it.
    void give(Colour colour, const QString &winner);
    // "Say colors": the holders and the colours still free.
    void sayColours();
    // "Reset": every colour free again.
    void reset();
    // The same, as part of a fresh Start, which records it itself.
    void freeAll();

signals:
    void colourChanged(ColourCaller::Colour colour);

private:
    struct State
    {
        QString holder;
        bool inPlay = true;
        QString nameBox;
        bool offered = true;
    };

    void setOffered(Colour colour, bool offered);
    // The in-play flag as the caller's own steps set it; true when it changed.
    bool putInPlay(Colour colour, bool inPlay);

    ChatLink &m_link;
    WindowInput &m_input;
    JournalWriter &m_journal;
    std::array<State, ColourCount> m_colours;
};
