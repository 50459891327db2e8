#pragma once

#include <QObject>
#include <QString>

#include <array>

class ChatLink;
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

    ColourCaller(ChatLink &link, WindowInput &input, QObject *parent = nullptr);

    static QString nameOf(Colour colour);

    QString holder(Colour colour) const { return m_colours.at(colour).holder; }
    bool isInPlay(Colour colour) const { return m_colours.at(colour).inPlay; }
    QString nameBox(Colour colour) const { return m_colours.at(colour).nameBox; }
    bool isOffered(Colour colour) const { return m_colours.at(colour).offered; }

    // The host types a holder into its box.
    void setHolder(Colour colour, const QString &holder);
    // The in-play check box changed (the host's click, or an operation's);
    // the state it holds already is no change.
    void setInPlay(Colour colour, bool inPlay);

    // A colour item of a winners' menu: the colour goes to the selected
    // winner (empty when none is selected) and the room hears it.
    void give(Colour colour, const QString &winner);
    // "Say colors": the holders and the colours still free.
    void sayColours();
    // "Reset", and both games' fresh Start: every colour free again.
    void reset();

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

    ChatLink &m_link;
    WindowInput &m_input;
    std::array<State, ColourCount> m_colours;
};
