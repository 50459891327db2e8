#pragma once

#include <QObject>

class ColourCallerTest : public QObject
{
    Q_OBJECT

private slots:
    void colourStateFollowsTheHost_data();
    void colourStateFollowsTheHost();
    void panelComesAndGoesWithTheMode();
};
