#pragma once

#include <QObject>

class PrizeListTest : public QObject
{
    Q_OBJECT

private slots:
    void scrollingShowsTheBoxAndSavesAllPrizes();
    void editsReachTheFileOnlyWithTheNextScroll();
    void readsWhatTheFileSupplies_data();
    void readsWhatTheFileSupplies();
};
