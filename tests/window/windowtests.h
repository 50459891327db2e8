#pragma once

#include <QObject>

// The window's controls as the designer laid them out, the panels its
// buttons and menus bring up, and what a host who cannot see the window, or
// does not know it yet, relies on: every control named as its caption says,
// every button explained, Tab walking the panels in reading order.
class ControlTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void menusHoldTheirItems_data();
    void menusHoldTheirItems();
    void everyControlIsNamedAndEveryButtonExplained();
    void captionsFitTheirControls();
    void tabWalksEachPanelInReadingOrder_data();
    void tabWalksEachPanelInReadingOrder();
    void panelsAndSizesFollowTheHostsChoices_data();
    void panelsAndSizesFollowTheHostsChoices();
    void clientAreaFitsEverySize();
};
