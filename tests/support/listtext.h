#pragma once

#include "core/playerlists.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// The five players lists written as "players|winners|ledger|queue|called",
// each list's names in order and comma-separated.
inline QString listsOf(const PlayerLists &lists)
{
    QStringList written;
    for (const PlayerList *list : lists.all())
        written << list->names().join(u',');
    return written.join(u'|');
}

inline void fill(PlayerList &list, const QStringList &names)
{
    for (const QString &name : names)
        list.add(name);
}

inline void fillLists(PlayerLists &lists, const QString &written)
{
    const QStringList each = written.split(u'|');
    for (std::size_t i = 0; i < lists.all().size(); ++i)
        fill(*lists.all()[i], each.value(qsizetype(i)).split(u',', Qt::SkipEmptyParts));
}

// Recover.bak in the folder as it stands, or "<none>".
inline QByteArray recoveryFileIn(const QString &folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("Recover.bak")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}
