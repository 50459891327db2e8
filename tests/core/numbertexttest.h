#pragma once

#include <QObject>

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void raises_data();
    void raises();
};
