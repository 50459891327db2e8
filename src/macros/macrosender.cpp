#include "macros/macrosender.h"

#include "chat/chatlink.h"
#include "chat/tokenizer.h"
#include "core/recovery.h"
#include "games/journalentries.h"
#include "interaction/busyguard.h"
#include "journal/journalwriter.h"
#include "macros/macrobank.h"

MacroSender::MacroSender(MacroBank &bank, ChatLink &link, Tokenizer &tokenizer, WindowInput &input, Recovery &recovery,
                         JournalWriter &journal, QObject *parent)
    : QObject(parent)
    , m_bank(bank)
    , m_link(link)
    , m_tokenizer(tokenizer)
    , m_input(input)
    , m_recovery(recovery)
    , m_journal(journal)
{}

void MacroSender::say(int index)
{
    if (index < 0 || index >= MacroBank::kCount)
        return;
    const QString lineEnd = QStringLiteral("\r\n");
    const BusyGuard busy(m_input);
    const QString text = m_bank.text(index);
    // An empty text would make the tokenizer go on with an earlier walk's rest.
    if (!text.isEmpty()) {
        QString line = m_tokenizer.GetToken(text, lineEnd);
        while (!line.isEmpty()) {
            m_link.Communicate(ChatLink::kRoom, QString(), line);
            line = m_tokenizer.GetToken(QString(), lineEnd);
            if (line.isEmpty())
                line = m_tokenizer.GetToken(QString(), lineEnd);
        }
    }
    m_recovery.WriteRecovery();
    m_journal.append(JournalEntries::macro(index + 1));
}
