#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// What the scripted chat client was asked to do, as the room would see it.
struct RecordedCalls
{
    // The room lines said since the last clear(), and the moments they were
    // said, counted from the first of them.
    static QStringList said();
    static QList<qint64> moments();
    // The ESPs sent since the last clear(), as "NAME: TEXT".
    static QStringList esps();
    static void clear();
};
