#pragma once

#include "core/ansi.h"

#include <QList>
#include <QString>

// Names a player could bring into the room, each one something a careless
// window takes as markup, an access key, a line break or a change of
// direction, or is simply long. All of them are in the chat client's code
// page, so each can arrive through the transcript.
struct HostileName
{
    const char *tag;
    QString name;
};

inline QList<HostileName> hostileNames()
{
    using namespace Qt::StringLiterals;
    return {
        {"markup", u"<b>Bold</b> <i>it</i>"_s},
        {"a link", u"<a href=\"http://x.example/\">click</a>"_s},
        {"an image", u"<img src=\"/etc/hostname\">"_s},
        {"an entity", u"Tom &amp; Jerry &lt;3"_s},
        {"an access key", u"&File"_s},
        {"ampersands", u"A && B & C"_s},
        {"control characters", Ansi::decode("\x01\x07\x1b[31mred\x7f\x81")},
        {"a tab, a lone CR and a lone LF", u"a\tb\rc\nd"_s},
        {"a right-to-left override in UTF-8 bytes",
         Ansi::decode("\xE2\x80\xAE"
                      "evil")},
        {"quotes and a comma", u"\"Bob\", Jr."_s},
        {"a tag of the recovery file", u"List3"_s},
        {"a no-break space and a soft hyphen",
         Ansi::decode("\xA0"
                      "Bob\xAD")},
        {"10,000 characters", QString(10000, u'W')},
        {"40,000 characters", QString(40000, u'M')},
    };
}
