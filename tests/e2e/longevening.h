#pragma once

#include <QObject>

// A whole evening's work against the stand-in, in a shortened form unless
// RAFFLER_SOAK is set: registrations, draws, Lister calls and macro clicks.
class LongEvening : public QObject
{
    Q_OBJECT

private slots:
    void everyListEndsAsTheScriptExpects();
};
