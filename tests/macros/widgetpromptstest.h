#pragma once

#include <QObject>

class WidgetPromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void theSaveDialogAsksAsRequested();
    void aNameWithoutExtensionGetsTheSuffix();
    void overwritingAsksFirst();
    void theOpenDialogTakesOnlyExistingFiles();
    void dialogsOverADisabledWindowTakeInput();
};
