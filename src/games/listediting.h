#pragma once

class ChatLink;
class JournalWriter;
class PlayerList;

// The host's hand on the player lists, from their pop-up menus. Each acts on
// the list's selected entry and does nothing when there is none. Neither
// saves the recovery file; the next game action does. Both go on record.
namespace ListEditing {

// "Remove Player": the room hears that the player has been removed, then the
// entry goes. A later "Get Reg" will not take the player in again.
void removePlayer(ChatLink &link, PlayerList &list, JournalWriter &journal);

// "Add Player To List": the entry moves back among the players, whether or
// not the name stands there already.
void addPlayerBack(PlayerList &from, PlayerList &to, JournalWriter &journal);

} // namespace ListEditing
