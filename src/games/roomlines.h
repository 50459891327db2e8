#pragma once

#include <QString>

// Every fixed text the games say in the room, and those they look for in the
// transcript, each in one place so that the sayer and the finder of a line
// cannot drift apart. The room hears them exactly as written, misspellings
// and all ("currenly", "registartion", "remaning", "Opps"): hosts and players
// know the games by these lines.
namespace RoomLines {

// Said as the first line of every Start; the host look-up finds the host's
// avatar by it, and the registration scan starts after its newest line.
inline constexpr char16_t kHostMarker[] = u"Corvane's Hoster";
// The host's web address, said when a game starts.
inline constexpr char16_t kWebAddress[] = u"http://www.corvanes-games.example";
inline constexpr char16_t kNewGame[] = u"*** Starting a New Game ***";
// What the Lister's host look-up searches for. It is not the banner the
// Starts say (that one has an "a"), so in play the look-up finds none.
inline constexpr char16_t kLookedUpBanner[] = u"*** Starting New Game ***";
inline constexpr char16_t kNamesRestored[] = u"all name have been restored no need to Register";
inline constexpr char16_t kDrawing[] = u"Drawing the winner..";
inline constexpr char16_t kNoMoreNames[] = u"Opps no more names on the list";
inline constexpr char16_t kEndOfList[] = u"*** End of List ***";
inline constexpr char16_t kRecovering[] = u"*** Recovery in progress ***";
inline constexpr char16_t kRecovered[] = u"*** Recovery complete ***";
inline constexpr char16_t kColoursLeft[] = u"Colors remaning are";
inline constexpr char16_t kChooseAColour[] = u"Please chose a color";
// The end of the line that removes a player; the scan looks for it.
inline constexpr char16_t kRemovedEnd[] = u" has been removed ***";

// "Please send me HOST a SYMBOL to get on the list"
QString invitation(const QString &host, const QString &symbol);
// "*** NAME has been removed ***": a player taken off a list by hand, who is
// not taken in again by a later scan.
QString removal(const QString &name);
QString winnerIs(const QString &name);
QString wins(const QString &name, const QString &prize);
QString round(const QString &round, const QString &rounds);
// The headlines of the read-outs: the raffle's players, the Lister's queue,
// and the winners or called players after either.
QString playersHeadline(qsizetype count);
QString queueHeadline(qsizetype count);
QString winnersHeadline(qsizetype count, const QString &firstLineOnList);
// "4th Place PRIZE": the place counter's text, the suffix of the k-th place
// announced (0 "st", 1 "nd", 2 "rd", then "th") and the prize.
QString place(const QString &placeCounter, int k, const QString &prize);
// "NAME = Colour"
QString colourHolder(const QString &name, const QString &colour);

// Sealed draws: the commitment at Start, the check after each sealed
// winner (the draw's number, the winner's place among how many, the start
// of the players list's hash), and the key when the host reveals it.
QString sealCommitment(const QString &commitment);
QString sealCheck(qint64 draw, int place, int count, const QString &playersHash);
QString sealKey(const QString &commitment, const QString &key);

// The closing countdown: each line and the seconds of silence after it.
struct CountdownLine
{
    const char16_t *text;
    double seconds;
};
inline constexpr CountdownLine kCountdown[] = {
    {u"*** Registration is Closing in 10 ***", 5.0},
    {u"** 5 **", 1.0},
    {u"** 4 **", 1.0},
    {u"** 3 **", 1.0},
    {u"** 2 **", 1.0},
    {u"** 1 **", 1.0},
    {u"** Sorry registartion is now closed **", 1.0},
};

} // namespace RoomLines
