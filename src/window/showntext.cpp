#include "window/showntext.h"

namespace ShownText {

QString cut(const QString &text)
{
    if (text.size() <= kMaxLength)
        return text;
    qsizetype length = kMaxLength;
    if (text[length - 1].isHighSurrogate())
        --length; // never half a character
    return text.first(length) + QChar(0x2026);
}

QString toolTip(const QString &text)
{
    if (text.isEmpty())
        return {};
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + cut(text).toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace ShownText
