#pragma once

#include <QObject>

class ChatLink;
class JournalWriter;
class MacroBank;
class Recovery;
class Tokenizer;
class WindowInput;

// Says a macro into the room, one line after another and without the pacing
// pause. A single empty line between two lines is passed over; two in a row
// end the macro there.
class MacroSender : public QObject
{
    Q_OBJECT

public:
    MacroSender(MacroBank &bank, ChatLink &link, Tokenizer &tokenizer, WindowInput &input, Recovery &recovery,
                JournalWriter &journal, QObject *parent = nullptr);

    // Says macro `index`, then saves the player lists. The window takes no
    // input meanwhile, so the shared tokenizer's walk is not disturbed.
    void say(int index);

private:
    MacroBank &m_bank;
    ChatLink &m_link;
    Tokenizer &m_tokenizer;
    WindowInput &m_input;
    Recovery &m_recovery;
    JournalWriter &m_journal;
};
