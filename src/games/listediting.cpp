#include "games/listediting.h"

#include "chat/chatlink.h"
#include "core/playerlist.h"
#include "games/journalentries.h"
#include "games/roomlines.h"
#include "journal/journalwriter.h"

namespace ListEditing {

void removePlayer(ChatLink &link, PlayerList &list, JournalWriter &journal)
{
    const int selected = list.selected();
    if (list.isEmpty() || selected < 0)
        return;
    const QString name = list.at(selected);
    link.SayText(RoomLines::removal(name));
    list.removeAt(selected);
    journal.append(JournalEntries::removal(list, name));
}

void addPlayerBack(PlayerList &from, PlayerList &to, JournalWriter &journal)
{
    const int selected = from.selected();
    if (from.isEmpty() || selected < 0)
        return;
    const QString name = from.at(selected);
    to.add(name);
    from.removeAt(selected);
    journal.append(JournalEntries::addBack(from, to, name));
}

} // namespace ListEditing
