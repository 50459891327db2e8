#pragma once

#include <QJsonObject>
#include <QString>

// An operation's entry before the writer numbers, times and chains it: the
// operation's name for "op" and its own fields.
struct JournalRecord
{
    QString op;
    QJsonObject fields;
};
