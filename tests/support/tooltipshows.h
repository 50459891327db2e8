#pragma once

#include <QString>
#include <QTextDocument>

// What a tooltip shows, read the way Qt decides between markup and plain text.
inline QString toolTipShows(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    // The raw text keeps no-break spaces; line and paragraph breaks show as one.
    QString shown = document.toRawText();
    shown.replace(QChar::LineSeparator, u'\n');
    shown.replace(QChar::ParagraphSeparator, u'\n');
    return shown;
}

// The text a tooltip is expected to show: markup shows a lone CR as a line break.
inline QString withLineBreaks(QString text)
{
    return text.replace(u'\r', u'\n');
}
