#include "games/recover.h"

#include "chat/chatlink.h"
#include "core/recovery.h"

void Recover(ChatLink &link, Recovery &recovery)
{
    link.SayText(QStringLiteral("*** Recovery in progress ***"));
    recovery.ReadRecovery();
    link.SayText(QStringLiteral("*** Recovery complete ***"));
}
