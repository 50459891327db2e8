#include "games/listediting.h"

#include "chat/chatlink.h"
#include "core/playerlist.h"

namespace ListEditing {

void RemovePlayer(ChatLink &link, PlayerList &list)
{
    const int selected = list.selected();
    if (list.isEmpty() || selected < 0)
        return;
    const QString name = list.at(selected);
    link.SayText(QStringLiteral("*** ") + name + QStringLiteral(" has been removed ***"));
    list.removeAt(selected);
}

void AddPlayerBack(PlayerList &from, PlayerList &to)
{
    const int selected = from.selected();
    if (from.isEmpty() || selected < 0)
        return;
    to.add(from.at(selected));
    from.removeAt(selected);
}

} // namespace ListEditing
