#include "games/colourcaller.h"

#include "chat/chatlink.h"
#include "games/journalentries.h"
#include "games/roomlines.h"
#include "interaction/busyguard.h"
#include "journal/journalwriter.h"

#include <QMap>

ColourCaller::ColourCaller(ChatLink &link, WindowInput &input, JournalWriter &journal, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_input(input)
    , m_journal(journal)
{
    for (int c = 0; c < ColourCount; ++c)
        m_colours[c].nameBox = nameOf(static_cast<Colour>(c));
}

QString ColourCaller::nameOf(Colour colour)
{
    static const char16_t *const names[] = {u"Red", u"Blue", u"Green", u"Silver", u"Black", u"Gold"};
    return QString::fromUtf16(names[colour]);
}

void ColourCaller::setHolder(Colour colour, const QString &holder)
{
    if (m_colours[colour].holder == holder)
        return;
    m_colours[colour].holder = holder;
    emit colourChanged(colour);
}

void ColourCaller::setInPlay(Colour colour, bool inPlay)
{
    if (putInPlay(colour, inPlay))
        m_journal.append(JournalEntries::inPlay(nameOf(colour), inPlay));
}

bool ColourCaller::putInPlay(Colour colour, bool inPlay)
{
    State &state = m_colours[colour];
    if (state.inPlay == inPlay)
        return false;
    state.inPlay = inPlay;
    state.nameBox = inPlay ? nameOf(colour) : QString();
    emit colourChanged(colour);
    return true;
}

void ColourCaller::setOffered(Colour colour, bool offered)
{
    if (m_colours[colour].offered == offered)
        return;
    m_colours[colour].offered = offered;
    emit colourChanged(colour);
}

void ColourCaller::give(Colour colour, const QString &winner)
{
    setOffered(colour, false);
    setHolder(colour, winner);
    putInPlay(colour, false);
    if (!m_colours[colour].nameBox.isEmpty()) {
        m_colours[colour].nameBox.clear();
        emit colourChanged(colour);
    }
    m_link.SayText(RoomLines::colourHolder(winner, nameOf(colour)));
    m_journal.append(JournalEntries::colour(nameOf(colour), winner));
}

void ColourCaller::sayColours()
{
    const BusyGuard busy(m_input);
    m_link.SayText(QString::fromUtf16(RoomLines::kColoursLeft));
    for (int c = 0; c < ColourCount; ++c) {
        const State &state = m_colours[c];
        // A holder wins over the in-play flag; a free colour out of play
        // leaves its name box empty, and that empty text is said.
        m_link.SayText(state.holder.isEmpty() ? state.nameBox
                                              : RoomLines::colourHolder(state.holder, nameOf(static_cast<Colour>(c))));
    }
    m_link.SayText(QString::fromUtf16(RoomLines::kChooseAColour));
    // What was said, for the record: typed holders are only kept this way.
    QMap<QString, QString> holders;
    QStringList inPlay;
    for (int c = 0; c < ColourCount; ++c) {
        const auto colour = static_cast<Colour>(c);
        if (!m_colours[c].holder.isEmpty())
            holders.insert(nameOf(colour), m_colours[c].holder);
        if (m_colours[c].inPlay)
            inPlay.append(nameOf(colour));
    }
    m_journal.append(JournalEntries::sayColours(holders, inPlay));
}

void ColourCaller::reset()
{
    freeAll();
    m_journal.append(JournalEntries::coloursReset());
}

void ColourCaller::freeAll()
{
    for (int c = 0; c < ColourCount; ++c)
        setHolder(static_cast<Colour>(c), QString());
    for (int c = 0; c < ColourCount; ++c)
        putInPlay(static_cast<Colour>(c), true);
    for (int c = 0; c < ColourCount; ++c) {
        State &state = m_colours[c];
        if (state.nameBox != nameOf(static_cast<Colour>(c))) {
            state.nameBox = nameOf(static_cast<Colour>(c));
            emit colourChanged(static_cast<Colour>(c));
        }
    }
    for (int c = 0; c < ColourCount; ++c)
        setOffered(static_cast<Colour>(c), true);
}
