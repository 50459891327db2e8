#pragma once

#include <QObject>

class RegistrationScanTest : public QObject
{
    Q_OBJECT

private slots:
    void takesInTheRightPlayers_data();
    void takesInTheRightPlayers();
    void agreesWithTheLiteralScanOnGeneratedTranscripts();
};
