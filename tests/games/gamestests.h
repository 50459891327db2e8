#pragma once

#include "core/playerlists.h"

#include <QObject>

// The five players lists written as "lstAvatars|List1|List2|List3|List4",
// each list's names in order and comma-separated.
inline QString listsOf(const PlayerLists &lists)
{
    QStringList written;
    for (const PlayerList *list : lists.all())
        written << list->names().join(u',');
    return written.join(u'|');
}

inline void fillLists(PlayerLists &lists, const QString &written)
{
    const QStringList each = written.split(u'|');
    for (std::size_t i = 0; i < lists.all().size(); ++i) {
        for (const QString &name : each.value(qsizetype(i)).split(u',', Qt::SkipEmptyParts))
            lists.all()[i]->add(name);
    }
}

// Both games as the host plays them from their panels, and what the host
// does by hand: colours for players, and the lists' pop-up menus.
class GameTest : public QObject
{
    Q_OBJECT

private slots:
    void eachButtonSpeaksOnTime_data();
    void eachButtonSpeaksOnTime();
    void drawsWinners_data();
    void drawsWinners();
    void aStartWithoutATranscriptKeepsTheHost_data();
    void aStartWithoutATranscriptKeepsTheHost();
    void theFirstRunAnnouncesTheRoundsSet();
    void everyNameHasTheSameChance();
    void saysThePrizes_data();
    void saysThePrizes();
    void coloursFollowTheHost_data();
    void coloursFollowTheHost();
    void editsFromAListsMenuActOnThatList_data();
    void editsFromAListsMenuActOnThatList();
};
