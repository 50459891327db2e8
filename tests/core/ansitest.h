#pragma once

#include <QObject>

class AnsiTest : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesARoundTrip();
    void encodes_data();
    void encodes();
};
