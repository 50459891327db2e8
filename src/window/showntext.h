#pragma once

#include <QString>

// How the window shows text that players wrote (names, and anything else
// taken from the transcript): as plain text, never as markup, and never so
// long that drawing it would hold up the window. Only the showing is cut;
// the lists, the room's lines and the files keep the whole text.
namespace ShownText {

// A list row or a tooltip shows at most this many characters. Drawing a
// row costs time in proportion to its text, whatever part of it fits.
inline constexpr qsizetype kMaxLength = 1000;

// The text whole, or its first kMaxLength characters followed by "…".
QString cut(const QString &text);

// A tooltip that shows the (cut) text character for character: Qt takes
// any tooltip that looks like markup as markup, so the text is escaped
// inside a paragraph that keeps its blanks and line breaks. Empty for an
// empty text, which shows no tooltip.
QString toolTip(const QString &text);

} // namespace ShownText
