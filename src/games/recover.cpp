#include "games/recover.h"

#include "chat/chatlink.h"
#include "core/recovery.h"
#include "games/journalentries.h"
#include "games/roomlines.h"
#include "journal/journalwriter.h"

void recoverLists(ChatLink &link, Recovery &recovery, JournalWriter &journal)
{
    link.SayText(QString::fromUtf16(RoomLines::kRecovering));
    const bool restored = recovery.ReadRecovery();
    link.SayText(QString::fromUtf16(RoomLines::kRecovered));
    journal.append(JournalEntries::recover(restored));
}
