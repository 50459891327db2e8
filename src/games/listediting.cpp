#include "games/listediting.h"

#include "chat/chatlink.h"
#include "core/playerlist.h"
#include "games/roomlines.h"

namespace ListEditing {

void removePlayer(ChatLink &link, PlayerList &list)
{
    const int selected = list.selected();
    if (list.isEmpty() || selected < 0)
        return;
    link.SayText(RoomLines::removal(list.at(selected)));
    list.removeAt(selected);
}

void addPlayerBack(PlayerList &from, PlayerList &to)
{
    const int selected = from.selected();
    if (from.isEmpty() || selected < 0)
        return;
    to.add(from.at(selected));
    from.removeAt(selected);
}

} // namespace ListEditing
