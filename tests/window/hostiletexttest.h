#pragma once

#include <QObject>

// Player names that look like markup, hold control characters or are very
// long, taken in from the transcript by the real program: every list box,
// tooltip, holder box and message box shows them as they stand, and
// Recover.bak brings them back whole.
class HostileTextTest : public QObject
{
    Q_OBJECT

private slots:
    void namesGoThroughTheGames_data();
    void namesGoThroughTheGames();
    void messageBoxesShowTextAsItStands_data() { namesGoThroughTheGames_data(); }
    void messageBoxesShowTextAsItStands();
};
