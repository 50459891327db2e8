#pragma once

#include <QString>
#include <QStringView>

// Taking the chat client's transcript apart. Lines end with CR LF; a line
// has one of these shapes (a name never holds ": ", so the first ": " ends
// the speaker):
//   "ESP from NAME: TEXT"   an ESP the host's avatar received
//   "ESP to NAME: TEXT"     an ESP the host's avatar sent
//   "SPEAKER: TEXT"         a line said in the room ("<system>" for the client)
namespace TranscriptText {

inline constexpr char16_t kLineEnd[] = u"\r\n";

// The sender of an "ESP from" line: from the tenth character up to the first
// ": ", blanks trimmed. Empty when the line holds no ": " (it names nobody).
QString GetSender(QStringView line);
// The text after the first ": "; without one, the line from its second character.
QStringView GetMessage(QStringView line);

bool isEspLine(QStringView line);
// The speaker of a room line, before the first ": "; empty when there is none.
QStringView speakerOf(QStringView line);
// Whether a line may carry the host's marker or a removal announcement: a
// room line, and once the host is known, one the host said. Players cannot
// steer the lists by typing those texts.
bool isHostsRoomLine(QStringView line, const QString &host);

// Where the line that holds position `at` begins.
qsizetype startOfLine(QStringView text, qsizetype at);
// The line that begins at `start`, without its CR LF.
QStringView lineAt(QStringView text, qsizetype start);

// Blanks trimmed at both ends, as the client's names and texts are.
QStringView trimBlanks(QStringView text);

} // namespace TranscriptText
