#pragma once

#include <QObject>

class RegistrationIntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void entersEachNewPlayerIntoEveryList();
    void confirmsOnlyWhenAsked_data();
    void confirmsOnlyWhenAsked();
    void findsTheHost_data();
    void findsTheHost();
    void getHostLooksForTheBanner_data();
    void getHostLooksForTheBanner();
    void getRegDisablesTheWindowWhileItWaits_data();
    void getRegDisablesTheWindowWhileItWaits();
};
