#include "games/recover.h"

#include "chat/chatlink.h"
#include "core/recovery.h"
#include "games/roomlines.h"

void recoverLists(ChatLink &link, Recovery &recovery)
{
    link.SayText(QString::fromUtf16(RoomLines::kRecovering));
    recovery.ReadRecovery();
    link.SayText(QString::fromUtf16(RoomLines::kRecovered));
}
