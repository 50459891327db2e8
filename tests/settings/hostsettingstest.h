#pragma once

#include <QObject>

class HostSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeResetsThePlaceCounterAndFollowsRounds_data();
    void everyChangeResetsThePlaceCounterAndFollowsRounds();
    void togglesLookOnlyAtTheItemsText_data();
    void togglesLookOnlyAtTheItemsText();
    void clearAndRestore();
};
