#pragma once

#include <QObject>

class PanelSwitcherTest : public QObject
{
    Q_OBJECT

private slots:
    void panelsAndSizesFollowTheHostsChoices_data();
    void panelsAndSizesFollowTheHostsChoices();
    void clientAreaFitsEverySize();
};
