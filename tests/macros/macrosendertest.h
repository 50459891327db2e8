#pragma once

#include <QObject>

class MacroSenderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saysTheLinesOfAMacro_data();
    void saysTheLinesOfAMacro();
    void anEmptyMacroAfterOneThatStoppedEarlySaysNothing();
    void theWindowWaitsWhileAMacroIsSaid();
    void everyClickSavesThePlayerLists();
};
