#pragma once

#include <QObject>

// What goes into an entry: the picks, and the list edits a replay rebuilds
// the lists from.
class RecordingTest : public QObject
{
    Q_OBJECT

private slots:
    void pickFollowsFromTheSeed_data();
    void pickFollowsFromTheSeed();
    void replayRebuildsTheLists_data();
    void replayRebuildsTheLists();
};
